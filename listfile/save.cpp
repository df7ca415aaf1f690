// File > Save: every row into one list file.
#include "app/form1.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"

void TForm1::Save1Click() {
  if (ListView1.Count() == 0) return;
  if (!SaveDialog1.Execute()) return;
  const std::string file = SaveDialog1.FileName();
  // Every row is read before any file is touched.
  WriteWholeFile(file, ListFileText(ListView1.Count(), [this](size_t i) -> const ui::ListItem& {
                   return ListView1.Item(static_cast<int>(i));
                 }));
  AddRecentFile(file);
}
