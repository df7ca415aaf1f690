#include "entries/stamp.h"

#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/open_mode.h"
#include "platform/time.h"

namespace {

platform::FileHandle OpenToStamp(const std::string& path, bool folder, uint32_t alsoAccess) {
  return folder ? OpenFolder(path, kOpenWriteShareRead, alsoAccess)
                : OpenForWrite(path, kOpenWriteShareRead, alsoAccess);
}

StampResult SetChosen(platform::FileHandle& handle, StampTimes which, const PathTimes& times) {
  if (handle.SetTimes(which.creation ? &times.creation : nullptr,
                      which.lastAccess ? &times.lastAccess : nullptr,
                      which.lastWrite ? &times.lastWrite : nullptr)) {
    return {StampResult::Outcome::Stamped, 0};
  }
  return {StampResult::Outcome::NotSet, handle.LastError()};
}

}  // namespace

bool MakeStampJob(const ui::ListItem& row, StampJob& job) {
  platform::FileTime time{};
  if (const std::optional<platform::FileTime> listed = ListedTime(row)) {
    time = *listed;  // an unchanged date text gives the file the very time it was listed with
  } else {
    const platform::SystemTime system = ValueToSystemTime(ParseDateText(row.caption));
    platform::FileTime local;
    if (!platform::SystemTimeToFileTime(system, local) || !platform::LocalToUtcTime(local, time))
      return false;
  }
  job.to = {time, time, time};
  job.path = EntrySubItem(row, 0);
  job.folder = EntrySubItem(row, 1) == kFolderKind;
  return true;
}

StampResult StampPath(const StampJob& job) {
  using Outcome = StampResult::Outcome;
  // Reading the times asks for no more than their attribute: no open that write access alone
  // would get is refused for it.
  platform::FileHandle handle =
      OpenToStamp(job.path, job.folder, job.readBefore ? platform::kReadAttributes : 0);
  if (!handle.Valid()) return {Outcome::NotOpened, handle.OpenError()};
  PathTimes before;
  if (job.readBefore && !handle.GetTimes(&before.creation, &before.lastAccess, &before.lastWrite))
    return {Outcome::NotRead, handle.LastError()};
  StampResult result = SetChosen(handle, job.times, job.to);
  result.before = before;
  return result;
}
