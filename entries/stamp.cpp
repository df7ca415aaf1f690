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

StampResult StampRow(const ui::ListItem& row, StampTimes times, PathTimes* before) {
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
  // Reading the times asks for no more than their attribute: no open that write access alone
  // would get is refused for it.
  platform::FileHandle handle =
      OpenToStamp(path, kind == kFolderKind, before ? platform::kReadAttributes : 0);
  if (!handle.Valid()) return {Outcome::NotOpened, handle.OpenError()};
  if (before && !handle.GetTimes(&before->creation, &before->lastAccess, &before->lastWrite))
    return {Outcome::NotRead, handle.LastError()};
  return SetChosen(handle, times, {utc, utc, utc});
}

StampResult RestoreTimes(const std::string& path, bool folder, StampTimes which,
                         const PathTimes& times) {
  platform::FileHandle handle = OpenToStamp(path, folder, 0);
  if (!handle.Valid()) return {StampResult::Outcome::NotOpened, handle.OpenError()};
  return SetChosen(handle, which, times);
}
