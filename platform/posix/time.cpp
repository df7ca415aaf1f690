#include "platform/time.h"

#include <ctime>

#include "platform/civil.h"
#include "platform/native.h"

namespace platform {
namespace {

// The offset of local time from UTC in force now, in ticks, as Windows applies it. It changes
// at whole seconds only, so it is worked out again only when the second has changed: a walk
// converts a time for every file.
int64_t CurrentBias() {
  thread_local time_t known = -1;
  thread_local int64_t bias = 0;
  const time_t now = std::time(nullptr);
  if (now != known) {
    tm local{};
    localtime_r(&now, &local);
    bias = static_cast<int64_t>(local.tm_gmtoff) * static_cast<int64_t>(civil::kTicksPerSecond);
    known = now;
  }
  return bias;
}

// A time moved by `ticks`; false, instead of wrapping round, when it leaves the range of file
// times (east of Greenwich, 1601-01-01 0:00 local time lies before the first UTC one).
bool Shift(FileTime time, int64_t ticks, FileTime& shifted) {
  constexpr uint64_t kLastFileTime = 0x7FFFFFFFFFFFFFFFull;
  int64_t result = 0;
  if (time.ticks > kLastFileTime ||
      __builtin_add_overflow(static_cast<int64_t>(time.ticks), ticks, &result) || result < 0)
    return false;
  shifted.ticks = static_cast<uint64_t>(result);
  return true;
}

}  // namespace

bool FileTimeToLocalFileTime(FileTime utc, FileTime& local) {
  return Shift(utc, CurrentBias(), local);
}

bool LocalFileTimeToFileTime(FileTime local, FileTime& utc) {
  return Shift(local, -CurrentBias(), utc);
}

bool FileTimeToDosDateTime(FileTime time, uint16_t& date, uint16_t& dosTime) {
  const civil::CivilDate day =
      civil::DateFrom1601(static_cast<int64_t>(time.ticks / civil::kTicksPerDay));
  if (day.year < 1980 || day.year > 2107) return false;
  const uint64_t seconds = time.ticks % civil::kTicksPerDay / civil::kTicksPerSecond;
  date = static_cast<uint16_t>(((day.year - 1980) << 9) | (day.month << 5) | day.day);
  dosTime = static_cast<uint16_t>(((seconds / 3600) << 11) | ((seconds / 60 % 60) << 5) |
                                  (seconds % 60 / 2));
  return true;
}

bool SystemTimeToFileTime(const SystemTime& system, FileTime& time) {
  const SystemTime& s = system;
  if (!civil::IsValidSystemTime(s)) return false;
  const uint64_t days = static_cast<uint64_t>(civil::DaysFrom1601(s.year, s.month, s.day));
  const uint64_t seconds = s.hour * 3600u + s.minute * 60u + s.second;
  time.ticks =
      days * civil::kTicksPerDay + seconds * civil::kTicksPerSecond + s.milliseconds * 10'000ull;
  return true;
}

SystemTime native::LocalClock() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  SystemTime result;
  result.year = static_cast<uint16_t>(local.tm_year + 1900);
  result.month = static_cast<uint16_t>(local.tm_mon + 1);
  result.dayOfWeek = static_cast<uint16_t>(local.tm_wday);
  result.day = static_cast<uint16_t>(local.tm_mday);
  result.hour = static_cast<uint16_t>(local.tm_hour);
  result.minute = static_cast<uint16_t>(local.tm_min);
  result.second = static_cast<uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);  // leap second
  result.milliseconds = static_cast<uint16_t>(now.tv_nsec / 1'000'000);
  return result;
}

uint64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
}

}  // namespace platform
