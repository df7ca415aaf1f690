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
  // The room for every line is taken at once, and the lines go into it already in the code
  // page, a piece of whole lines at a time: a list of many rows is many megabytes, and a
  // second copy of them would double the memory a save takes. No character takes more bytes
  // in the code page than in UTF-8.
  constexpr size_t kPiece = 1 << 16;
  size_t size = kUtf8Mark.size();
  for (size_t i = 0; i < count; ++i) {
    const ui::ListItem& row = rowAt(i);
    size += row.caption.size() + 10;  // quotes, commas and the line end
    for (const std::string& field : row.subItems) size += field.size();
  }
  std::string text, piece, bytes;
  text.reserve(size);
  piece.reserve(kPiece + 4096);
  // A code page is read a character at a time, so a text converts as its pieces do.
  const auto converted = [&] {
    if (!platform::Utf8ToAnsi(piece, bytes)) return false;
    text += bytes;
    piece.clear();
    return true;
  };
  for (size_t i = 0; i < count; ++i) {
    AppendListFileLine(piece, rowAt(i));
    if (piece.size() >= kPiece && !converted()) break;
  }
  if (piece.empty() || converted()) return text;
  text.assign(kUtf8Mark);
  for (size_t i = 0; i < count; ++i) AppendListFileLine(text, rowAt(i));
  return text;
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
