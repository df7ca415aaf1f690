#include "listfile/list_file_text.h"

#include "entries/entry_row.h"

namespace {

// The reader takes a pair of quotes inside a quoted field for one quote.
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

}  // namespace

std::string ListFileText(size_t count, const std::function<const ui::ListItem&(size_t)>& rowAt) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    const ui::ListItem& row = rowAt(i);
    AppendField(text, row.caption);
    text += ',';
    AppendField(text, EntrySubItem(row, 0));
    text += ',';
    AppendField(text, EntrySubItem(row, 1));
    text += "\r\n";
  }
  return text;
}
