// ツール > フォルダの日時を中身に合わせる: each selected folder row takes the newest date among
// the file rows beneath it in the list, at any depth, as their date texts now stand. Folder
// rows' own dates do not count, so an empty subfolder copied later does not date its parent.
#include <unordered_map>

#include "app/form1.h"
#include "entries/date_parse.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"

namespace {

// A folder's path as the file system names it (letters folded, as PathNameHash compares on
// both builds), without trailing delimiters, so that "C:\" and a file's "C:\x" meet at "C:".
std::string FolderKey(std::string_view path) {
  while (!path.empty() && path.back() == platform::kPathDelimiter) path.remove_suffix(1);
  std::string key(path);
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

struct Newest {
  double value = 0;
  std::string text;  // empty: no file row beneath
};

}  // namespace

void TForm1::FolderDates1Click() {
  if (ListView1.SelectedCount() == 0) return;
  std::unordered_map<std::string, Newest> folders;
  for (int row = ListView1.NextSelected(-1); row >= 0; row = ListView1.NextSelected(row)) {
    const ui::ListItem& item = ListView1.Item(row);
    if (item.subItems.size() >= 2 && item.subItems[1] == kFolderKind)
      folders.emplace(FolderKey(item.subItems[0]), Newest{});
  }
  {
    LongWork work(*this);
    const int count = ListView1.Count();
    for (int i = 0; i < count && !folders.empty(); ++i) {
      if (Progress(WorkStep::Folders, static_cast<uint64_t>(i), static_cast<uint64_t>(count)))
        return;  // Esc: no row has changed yet
      const ui::ListItem& item = ListView1.Item(i);
      double value = 0;
      if (item.subItems.size() < 2 || item.subItems[1] == kFolderKind ||
          !TryParseDateText(item.caption, value))
        continue;
      const std::string& path = item.subItems[0];
      for (size_t end = path.rfind(platform::kPathDelimiter); end != std::string::npos;
           end = end == 0 ? std::string::npos : path.rfind(platform::kPathDelimiter, end - 1)) {
        const auto found = folders.find(FolderKey(std::string_view(path).substr(0, end)));
        if (found == folders.end()) continue;
        Newest& newest = found->second;
        if (newest.text.empty() || value > newest.value) newest = {value, item.caption};
      }
    }
  }
  SetSelectedDates(WorkStep::Folders, [&folders](const ui::ListItem& row, std::string& text) {
    if (EntrySubItem(row, 1) != kFolderKind) return false;
    const auto found = folders.find(FolderKey(EntrySubItem(row, 0)));
    if (found == folders.end() || found->second.text.empty()) return false;
    text = found->second.text;
    return true;
  });
}
