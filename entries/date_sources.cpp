#include "entries/date_sources.h"

#include "entries/exif_date.h"
#include "entries/file_bytes.h"
#include "entries/file_dates.h"
#include "entries/media_date.h"
#include "entries/name_date.h"
#include "platform/time.h"

namespace {

constexpr int64_t kTicksPerMinute = 600'000'000;

// A clock's date and time to local time: as it stands where no offset from UTC is known,
// else less the offset, which gives UTC, then to local time.
bool ClockToLocal(const platform::SystemTime& clock, bool hasOffset, int offsetMinutes,
                  platform::FileTime& local) {
  platform::FileTime time;
  if (!platform::SystemTimeToFileTime(clock, time)) return false;
  if (!hasOffset) {
    local = time;
    return true;
  }
  const int64_t offset = offsetMinutes * kTicksPerMinute;
  if (offset > 0 && time.ticks < static_cast<uint64_t>(offset)) return false;
  const platform::FileTime utc{time.ticks - static_cast<uint64_t>(offset)};
  return platform::UtcToLocalTime(utc, local);
}

bool TakenTime(const std::string& path, platform::FileTime& local) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) return false;
  FileBytes bytes(file);
  ExifDate date;
  return ReadTakenDate(bytes, date) &&
         ClockToLocal(date.taken, date.hasOffset, date.offsetMinutes, local);
}

bool NameTime(const std::string& path, platform::FileTime& local) {
  platform::SystemTime fields;
  bool utc;
  return NameDate(path, fields, utc) && ClockToLocal(fields, utc, 0, local);
}

}  // namespace

bool SourceDateText(DateSource source, const std::string& path, std::string& text) {
  platform::FileTime local;
  const bool found = source == DateSource::Exif   ? TakenTime(path, local)
                     : source == DateSource::Name ? NameTime(path, local)
                                                  : false;
  if (found) text = LocalTimeDateText(local);
  return found;
}
