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

// FileTimeToLocalFileTime / LocalFileTimeToFileTime: with the time-zone bias in force now.
bool FileTimeToLocalFileTime(FileTime utc, FileTime& local);
bool LocalFileTimeToFileTime(FileTime local, FileTime& utc);
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
