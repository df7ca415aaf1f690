#include "entries/entry_row.h"

#include "core/errors.h"
#include "entries/date_format.h"
#include "entries/date_value.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

const std::string& EntrySubItem(const ui::ListItem& row, int index) {
  if (index < 0 || index >= static_cast<int>(row.subItems.size())) throw ListIndexError(index);
  return row.subItems[index];
}

ui::ListItem EntryRowOf(CollectedPath&& entry) {
  std::string kind;
  int32_t packed;
  if (entry.attributes & platform::kAttrDirectory) {
    kind = kFolderKind;
    packed = GetFolderDate(entry.path);
  } else {
    kind = PathKind(entry.path);
    packed = entry.hasSearchTime ? SearchTimeDate(entry.searchTime) : FileLastWriteDate(entry.path);
  }
  std::string text = FormatDateText(PackedDateToValue(packed));
  return {std::move(text), {std::move(entry.path), std::move(kind)}};
}
