#include "entries/date_sources.h"

#include "entries/exif_date.h"
#include "entries/file_bytes.h"
#include "entries/file_dates.h"
#include "entries/name_date.h"
#include "platform/time.h"

namespace {

constexpr int64_t kTicksPerMinute = 600'000'000;

bool TakenTime(const std::string& path, platform::FileTime& local) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) return false;
  FileBytes bytes(file);
  ExifDate date;
  platform::FileTime clock;
  if (!ReadExifDate(bytes, date) || !platform::SystemTimeToFileTime(date.taken, clock)) {
    return false;
  }
  if (!date.hasOffset) {
    local = clock;
    return true;
  }
  // The camera's clock less its offset is UTC.
  const int64_t offset = date.offsetMinutes * kTicksPerMinute;
  if (offset > 0 && clock.ticks < static_cast<uint64_t>(offset)) return false;
  const platform::FileTime utc{clock.ticks - static_cast<uint64_t>(offset)};
  return platform::UtcToLocalTime(utc, local);
}

bool NameTime(const std::string& path, platform::FileTime& local) {
  platform::SystemTime fields;
  return NameDate(path, fields) && platform::SystemTimeToFileTime(fields, local);
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
