#include "entries/stamp.h"

#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/open_mode.h"
#include "platform/time.h"

StampResult StampRow(const ui::ListItem& row) {
  using Outcome = StampResult::Outcome;
  const double value = ParseDateText(row.caption);
  const platform::SystemTime system = ValueToSystemTime(value);
  platform::FileTime local, utc;
  if (!platform::SystemTimeToFileTime(system, local) ||
      !platform::LocalFileTimeToFileTime(local, utc)) {
    return {Outcome::NoFileTime, 0};
  }
  const std::string& path = EntrySubItem(row, 0);
  const std::string& kind = EntrySubItem(row, 1);
  platform::FileHandle handle = kind == kFolderKind ? OpenFolder(path, kOpenWriteShareRead)
                                                    : OpenForWrite(path, kOpenWriteShareRead);
  if (!handle.Valid()) return {Outcome::NotOpened, handle.OpenError()};
  if (!handle.SetTimes(&utc, &utc, &utc)) return {Outcome::NotSet, handle.LastError()};
  return {Outcome::Stamped, 0};
}
