#include "entries/stamp.h"

#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/open_mode.h"
#include "platform/time.h"

bool MakeStampJob(const ui::ListItem& row, StampJob& job) {
  if (const std::optional<platform::FileTime> listed = ListedLastWrite(row)) {
    job.time = *listed;  // an unchanged date text gives the file the very time it was listed with
  } else {
    const platform::SystemTime system = ValueToSystemTime(ParseDateText(row.caption));
    platform::FileTime local;
    if (!platform::SystemTimeToFileTime(system, local) ||
        !platform::LocalToUtcTime(local, job.time))
      return false;
  }
  job.path = EntrySubItem(row, 0);
  job.folder = EntrySubItem(row, 1) == kFolderKind;
  return true;
}

StampResult StampPath(const StampJob& job) {
  using Outcome = StampResult::Outcome;
  platform::FileHandle handle = job.folder ? OpenFolder(job.path, kOpenWriteShareRead)
                                           : OpenForWrite(job.path, kOpenWriteShareRead);
  if (!handle.Valid()) return {Outcome::NotOpened, handle.OpenError()};
  if (!handle.SetTimes(&job.time, &job.time, &job.time)) {
    return {Outcome::NotSet, handle.LastError()};
  }
  return {Outcome::Stamped, 0};
}
