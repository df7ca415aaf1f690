#include "entries/stamp.h"

#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/open_mode.h"
#include "platform/time.h"

StampResult StampRow(const ui::ListItem& row) {
  using Outcome = StampResult::Outcome;
  platform::FileTime utc;
  if (const std::optional<platform::FileTime> listed = ListedLastWrite(row)) {
    utc = *listed;  // an unchanged date text gives the file the very time it was listed with
  } else {
    const platform::SystemTime system = ValueToSystemTime(ParseDateText(row.caption));
    platform::FileTime local;
    if (!platform::SystemTimeToFileTime(system, local) || !platform::LocalToUtcTime(local, utc))
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
