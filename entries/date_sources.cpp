#include "entries/date_sources.h"

#include <algorithm>

#include "entries/exif_date.h"
#include "entries/file_bytes.h"
#include "entries/file_dates.h"
#include "entries/media_date.h"
#include "entries/name_date.h"
#include "entries/path_kind.h"
#include "entries/sidecar_date.h"
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

// A sidecar is a few KiB of text; a larger one is no sidecar of these.
constexpr uint32_t kSidecarLimit = 4 << 20;

// The whole text of a sidecar; false when it cannot be read or is larger than any sidecar.
// Most are read whole by the first read.
bool ReadSidecar(const std::string& path, std::string& text) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) return false;
  text.clear();
  for (uint32_t piece = 4096;; piece = std::min<uint32_t>(4 * piece, 1 << 20)) {
    const size_t at = text.size();
    text.resize(at + piece);
    uint32_t read = 0;
    if (!file.Read(text.data() + at, piece, read)) return false;
    text.resize(at + read);
    if (text.size() > kSidecarLimit) return false;
    if (read < piece) return true;
  }
}

bool SidecarTime(const std::string& path, SidecarFolders& sidecars, ExifDate& date) {
  std::string text;
  for (const auto& [sidecar, kind] : sidecars.Find(path)) {
    if (!ReadSidecar(sidecar, text)) continue;
    if (kind == SidecarKind::Xmp ? ReadXmpDate(text, date) : ReadTakeoutDate(text, date)) {
      return true;
    }
  }
  return false;
}

bool TakenTime(const std::string& path, SidecarFolders& sidecars, platform::FileTime& local) {
  // A sidecar is text; its photo takes its date.
  if (IsSidecarName(path.substr(PathDirectory(path).size()))) return false;
  ExifDate date;
  if (SidecarTime(path, sidecars, date)) {
    return ClockToLocal(date.taken, date.hasOffset, date.offsetMinutes, local);
  }
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) return false;
  FileBytes bytes(file);
  return ReadTakenDate(bytes, date) &&
         ClockToLocal(date.taken, date.hasOffset, date.offsetMinutes, local);
}

bool NameTime(const std::string& path, platform::FileTime& local) {
  platform::SystemTime fields;
  bool utc;
  return NameDate(path, fields, utc) && ClockToLocal(fields, utc, 0, local);
}

}  // namespace

bool SourceDateText(DateSource source, const std::string& path, std::string& text,
                    SidecarFolders& sidecars) {
  platform::FileTime local;
  const bool found = source == DateSource::Exif   ? TakenTime(path, sidecars, local)
                     : source == DateSource::Name ? NameTime(path, local)
                                                  : false;
  if (found) text = LocalTimeDateText(local);
  return found;
}
