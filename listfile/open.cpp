// File > Open: the rows of one or more list files join the list.
#include "app/form1.h"
#include "ui/bulk_update.h"

void TForm1::Open1Click() {
  if (!OpenDialog1.Execute()) return;
  // One bulk update for every file: one sort and one repaint at the end, also after an
  // error, which stops at its file and leaves the files before it loaded.
  LongWork work(*this);
  BulkUpdate bulk(ListView1);
  for (const std::string& file : OpenDialog1.Files()) {
    LoadListFile(file);
    if (work.Stopped()) break;  // Esc: the rows read so far stay, nothing else changes
    AddRecentFile(file);
  }
}
