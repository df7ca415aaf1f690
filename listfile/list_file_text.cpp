#include "listfile/list_file_text.h"

#include "entries/entry_row.h"
#include "platform/code_page.h"

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
  // The room for every line is taken at once: a list of many rows is many megabytes.
  size_t size = 0;
  for (size_t i = 0; i < count; ++i) {
    const ui::ListItem& row = rowAt(i);
    size += row.caption.size() + 10;  // quotes, commas and the line end
    for (const std::string& field : row.subItems) size += field.size();
  }
  std::string text;
  text.reserve(size);
  for (size_t i = 0; i < count; ++i) AppendListFileLine(text, rowAt(i));
  return ListFileBytes(text);
}

std::string ListFileBytes(const std::string& text) {
  std::string bytes;
  if (platform::Utf8ToAnsi(text, bytes)) return bytes;
  bytes.reserve(kUtf8Mark.size() + text.size());
  bytes.assign(kUtf8Mark);
  bytes += text;
  return bytes;
}

std::string ListFileText(const std::vector<ui::ListItem>& rows) {
  return ListFileText(rows.size(), [&](size_t i) -> const ui::ListItem& { return rows[i]; });
}

void AppendListFileLine(std::string& text, const ui::ListItem& row) {
  AppendField(text, row.caption);
  text += ',';
  AppendField(text, EntrySubItem(row, 0));
  text += ',';
  AppendField(text, EntrySubItem(row, 1));
  text += "\r\n";
}
