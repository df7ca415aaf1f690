#include "platform/time.h"

#include <windows.h>

#include "platform/civil.h"
#include "platform/native.h"

namespace platform {
namespace {

FILETIME ToFiletime(FileTime time) {
  return {static_cast<DWORD>(time.ticks), static_cast<DWORD>(time.ticks >> 32)};
}

FileTime FromFiletime(const FILETIME& time) {
  return {(static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime};
}

// The system adds the bias as a signed count: a result before 1601 or beyond the last file
// time comes back with its top bit set, and no file holds it.
bool InRange(const FILETIME& time) { return (time.dwHighDateTime & 0x80000000u) == 0; }

}  // namespace

bool native::LocalOffset(FileTime utc, int64_t& offset) {
  // The zone of the process, with the rules that its registry key gives for each year.
  static const DYNAMIC_TIME_ZONE_INFORMATION zone = [] {
    DYNAMIC_TIME_ZONE_INFORMATION info{};
    GetDynamicTimeZoneInformation(&info);
    return info;
  }();
  // The rules of the UTC time's year, as SystemTimeToTzSpecificLocalTimeEx (Windows 8 on)
  // takes them; those of the year last asked for are kept, as reading them goes to the
  // registry.
  FILETIME in = ToFiletime(utc), out;
  SYSTEMTIME universal, local;
  thread_local int rulesYear = -1;
  thread_local TIME_ZONE_INFORMATION rules;
  if (!InRange(in) || !FileTimeToSystemTime(&in, &universal)) return false;
  if (universal.wYear != rulesYear) {
    if (!GetTimeZoneInformationForYear(universal.wYear,
                                       const_cast<DYNAMIC_TIME_ZONE_INFORMATION*>(&zone), &rules))
      return false;
    rulesYear = universal.wYear;
  }
  if (!SystemTimeToTzSpecificLocalTime(&rules, &universal, &local) ||
      !::SystemTimeToFileTime(&universal, &in) || !::SystemTimeToFileTime(&local, &out)) {
    return false;
  }
  // Both records hold whole milliseconds: their difference is the offset.
  offset =
      static_cast<int64_t>(FromFiletime(out).ticks) - static_cast<int64_t>(FromFiletime(in).ticks);
  return true;
}

bool FileTimeToDosDateTime(FileTime time, uint16_t& date, uint16_t& dosTime) {
  // Windows refuses years after 2107, which do not fit the seven bits of the year; Wine
  // lets them wrap, so the range is checked here as well.
  FILETIME in = ToFiletime(time);
  SYSTEMTIME fields;
  if (!FileTimeToSystemTime(&in, &fields) || fields.wYear < 1980 || fields.wYear > 2107) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  WORD dosDate, dosClock;
  if (!::FileTimeToDosDateTime(&in, &dosDate, &dosClock)) return false;
  date = dosDate;
  dosTime = dosClock;
  return true;
}

bool SystemTimeToFileTime(const SystemTime& system, FileTime& time) {
  // Windows refuses a day that its month does not have; Wine rolls it over into the next
  // month, so the record is checked here as well.
  if (!civil::IsValidSystemTime(system)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  SYSTEMTIME in{system.year, system.month,  system.dayOfWeek, system.day,
                system.hour, system.minute, system.second,    system.milliseconds};
  FILETIME out;
  if (!::SystemTimeToFileTime(&in, &out)) return false;
  time = FromFiletime(out);
  return true;
}

SystemTime native::LocalClock() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
          now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

uint64_t MonotonicMilliseconds() { return GetTickCount64(); }

}  // namespace platform
