// Time records and the conversions between them, and the local clock.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/files.h"

namespace platform {

// The Win32 SYSTEMTIME record.
struct SystemTime {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t dayOfWeek = 0;  // 0 = Sunday
  uint16_t day = 0;
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
  friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// A UTC file time as local time and back, each by the time-zone rules in force on its own
// date (not those in force now). A local time that occurs twice, in the hour that the clocks
// go back, names the earlier time (daylight time); one that the clocks skip names the time
// one hour later. False for a time whose counterpart lies outside the range of file times.
bool UtcToLocalTime(FileTime utc, FileTime& local);
bool LocalToUtcTime(FileTime local, FileTime& utc);
// FileTimeToDosDateTime: fails outside 1980..2107.
bool FileTimeToDosDateTime(FileTime time, uint16_t& date, uint16_t& dosTime);
// SystemTimeToFileTime: fails for a record that names no valid time from 1601 on.
bool SystemTimeToFileTime(const SystemTime& system, FileTime& time);

// Milliseconds since some moment before the process started, never going back
// (GetTickCount64): for measuring how long work has run.
uint64_t MonotonicMilliseconds();

// GetLocalTime, unless tests have fixed the clock (platform/testing.h).
SystemTime LocalTime();

}  // namespace platform
