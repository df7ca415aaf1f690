// File > Save: every row into one list file.
#include "app/form1.h"
#include "entries/entry_row.h"
#include "listfile/write_whole_file.h"

namespace {

// A field in double quotes; a quote inside it is doubled, as the reader takes a pair for one.
void AppendField(std::string& text, const std::string& field) {
  text += '"';
  size_t from = 0;
  for (size_t quote = field.find('"'); quote != std::string::npos; quote = field.find('"', from)) {
    text.append(field, from, quote + 1 - from);
    text += '"';
    from = quote + 1;
  }
  text.append(field, from);
  text += '"';
}

// One line for each row from the top: date text, path and kind, each line ended by CR LF.
std::string ListFileText(const ui::ListView& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    const ui::ListItem& row = list.Item(i);
    AppendField(text, row.caption);
    text += ',';
    AppendField(text, EntrySubItem(row, 0));
    text += ',';
    AppendField(text, EntrySubItem(row, 1));
    text += "\r\n";
  }
  return text;
}

}  // namespace

void TForm1::Save1Click() {
  if (ListView1.Count() == 0) return;
  if (!SaveDialog1.Execute()) return;
  const std::string file = SaveDialog1.FileName();
  // Every row is read before any file is touched.
  WriteWholeFile(file, ListFileText(ListView1));
  AddRecentFile(file);
}
