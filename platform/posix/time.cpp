#include "platform/time.h"

#include <ctime>

#include "platform/civil.h"
#include "platform/native.h"

namespace platform {
// The Unix epoch, 1970-01-01, in file-time ticks.
constexpr int64_t kUnixEpoch = 116'444'736'000'000'000;

bool native::LocalOffset(FileTime utc, int64_t& offset) {
  constexpr int64_t kSecond = static_cast<int64_t>(civil::kTicksPerSecond);
  const int64_t since = static_cast<int64_t>(utc.ticks) - kUnixEpoch;
  // Rounded down, also before 1970: the offset changes at whole seconds.
  const time_t seconds = static_cast<time_t>(since / kSecond - (since % kSecond < 0 ? 1 : 0));
  tm local{};
  if (!localtime_r(&seconds, &local)) return false;
  offset = static_cast<int64_t>(local.tm_gmtoff) * kSecond;
  return true;
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
