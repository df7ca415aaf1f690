// Date-time values: a day count from 1899-12-30 (day 0) with the time of day as the fraction;
// for a negative value the time of day is the magnitude of the fraction (-1.25 is
// 1899-12-29 06:00). Dates run from year 1 to 9999 in the proleptic Gregorian calendar.
#pragma once

#include <cstdint>

#include "platform/time.h"

constexpr int64_t kMillisecondsPerDay = 86400000;

bool IsLeapYear(int year);
// The number of days in a month of a year (0 for a month outside 1..12).
int DaysInMonth(int year, int month);

// Calendar fields to a value; false when the date or the time does not exist.
bool TryEncodeDate(int year, int month, int day, double& value);
bool TryEncodeTime(int hour, int minute, int second, int milliseconds, double& value);
// Calendar fields that exist, as a system time (no day of the week, no milliseconds); false
// when the date or the time does not exist.
bool TryClockFields(int year, int month, int day, int hour, int minute, int second,
                    platform::SystemTime& clock);

// Day counts of the epochs from which file formats count time: 1601-01-01 (Windows file
// times, ASF), 1904-01-01 (QuickTime), 1970-01-01 (Unix), 2001-01-01 (Matroska).
constexpr int64_t kEpochDay1601 = -109205;
constexpr int64_t kEpochDay1904 = 1462;
constexpr int64_t kEpochDay1970 = 25569;
constexpr int64_t kEpochDay2001 = 36892;

// The clock `seconds` after the start of day `epochDay` (no day of the week); false outside
// the years 1 to 9999.
bool SecondsToClock(int64_t epochDay, int64_t seconds, platform::SystemTime& clock);

// A value split into calendar fields, rounded to whole milliseconds (halves to even).
// A day before year 1 gives year, month and day 0.
struct DateTimeFields {
  int year = 0;
  int month = 0;
  int day = 0;
  int dayOfWeek = 0;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};
DateTimeFields DecodeDateTime(double value);

// The SYSTEMTIME record of a value, day of the week included.
platform::SystemTime ValueToSystemTime(double value);

// A packed file date (MS-DOS date in the high half, time in the low half) to a value.
// Throws EConvertError for a date half that names no date (tested first; -1 is one) or a
// time half that names no time.
double PackedDateToValue(int32_t packed);

// The value of a local file time, cut to whole seconds.
double LocalFileTimeToValue(platform::FileTime local);
