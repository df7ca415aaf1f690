// Proleptic Gregorian calendar arithmetic on days counted from 1601-01-01, the epoch of
// FileTime, and the check of a SYSTEMTIME record.
#pragma once

#include <cstdint>

#include "platform/time.h"

namespace platform::civil {

constexpr uint64_t kTicksPerSecond = 10'000'000;
constexpr uint64_t kTicksPerDay = 86'400 * kTicksPerSecond;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Day 0 is 1601-01-01 (a Monday).
int64_t DaysFrom1601(int year, int month, int day);

struct CivilDate {
  int year;
  int month;
  int day;
  int dayOfWeek;  // 0 = Sunday
};
CivilDate DateFrom1601(int64_t days);

// Whether the record names a time from 1601 to 30827 (the day of the week is not looked at),
// as SystemTimeToFileTime requires.
bool IsValidSystemTime(const SystemTime& time);

}  // namespace platform::civil
