// Turning collected paths into entry rows.
#include "app/form1.h"
#include "entries/bulk_update.h"
#include "entries/date_format.h"
#include "entries/date_value.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

int32_t TForm1::GetFolderDate(const std::string& path) {
  const auto handle =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagBackupSemantics);
  return HandleLastWriteDate(handle);
}

void TForm1::AddCollectedRows(ui::ListView& list, CollectedPaths& paths) {
  BulkUpdate bulk(list);
  uint64_t built = 0;
  for (CollectedPath& entry : paths) {
    Progress(WorkStep::List, built++, paths.size());
    std::string kind;
    int32_t packed;
    if (entry.attributes & platform::kAttrDirectory) {
      kind = kFolderKind;
      packed = GetFolderDate(entry.path);
    } else {
      kind = PathKind(entry.path);
      packed =
          entry.hasSearchTime ? SearchTimeDate(entry.searchTime) : FileLastWriteDate(entry.path);
    }
    // An unreadable date stops the building here; the rows before it stay.
    const std::string text = FormatDateText(PackedDateToValue(packed));
    const int row = list.Add();
    list.SetCaption(row, text);
    list.AddSubItem(row, std::move(entry.path));
    list.AddSubItem(row, std::move(kind));
  }
  // The paths live in the rows now: their list goes before the closing sort.
  CollectedPaths().swap(paths);
}
