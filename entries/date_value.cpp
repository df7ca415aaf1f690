#include "entries/date_value.h"

#include <cmath>

#include "core/errors.h"

namespace {

// The day number (1 January of year 1 is day 1) of day 0 of the value scale.
constexpr int64_t kDayZero = 693594;

constexpr int kDaysBeforeMonth[2][13] = {
    {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

// The value in whole milliseconds, halves to even. Values far outside the calendar are held
// at a bound so that the day arithmetic cannot overflow.
int64_t RoundToMilliseconds(double value) {
  constexpr double kBound = 1e17;
  double count = std::nearbyint(value * static_cast<double>(kMillisecondsPerDay));
  if (std::isnan(count)) return 0;
  if (count > kBound) count = kBound;
  if (count < -kBound) count = -kBound;
  return static_cast<int64_t>(count);
}

void SplitDayNumber(int64_t dayNumber, DateTimeFields& fields) {
  if (dayNumber <= 0) {
    fields.year = fields.month = fields.day = 0;
    return;
  }
  int64_t t = dayNumber - 1;
  int64_t year = 1 + (t / 146097) * 400;
  t %= 146097;
  int64_t centuries = t / 36524;
  t %= 36524;
  if (centuries == 4) {  // the last day of a 400-year cycle
    centuries = 3;
    t += 36524;
  }
  year += centuries * 100;
  year += (t / 1461) * 4;
  t %= 1461;
  int64_t years = t / 365;
  t %= 365;
  if (years == 4) {  // the last day of a leap year
    years = 3;
    t += 365;
  }
  year += years;
  int month = 1;
  while (t >= DaysInMonth(static_cast<int>(year), month)) {
    t -= DaysInMonth(static_cast<int>(year), month);
    ++month;
  }
  fields.year = static_cast<int>(year);
  fields.month = month;
  fields.day = static_cast<int>(t) + 1;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month];
}

bool TryEncodeDate(int year, int month, int day, double& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return false;
  }
  const int64_t before = year - 1;
  const int64_t dayNumber = before * 365 + before / 4 - before / 100 + before / 400 +
                            kDaysBeforeMonth[IsLeapYear(year)][month] + day;
  value = static_cast<double>(dayNumber - kDayZero);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int milliseconds, double& value) {
  if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 ||
      milliseconds < 0 || milliseconds >= 1000) {
    return false;
  }
  const int64_t count =
      hour * int64_t{3600000} + minute * int64_t{60000} + second * int64_t{1000} + milliseconds;
  value = static_cast<double>(count) / static_cast<double>(kMillisecondsPerDay);
  return true;
}

DateTimeFields DecodeDateTime(double value) {
  const int64_t count = RoundToMilliseconds(value);
  int64_t dayNumber, timeOfDay;
  if (count >= 0) {
    dayNumber = count / kMillisecondsPerDay + kDayZero;
    timeOfDay = count % kMillisecondsPerDay;
  } else {
    dayNumber = kDayZero - (-count / kMillisecondsPerDay);
    timeOfDay = (-count) % kMillisecondsPerDay;
  }
  DateTimeFields fields;
  SplitDayNumber(dayNumber, fields);
  fields.dayOfWeek = static_cast<int>(((dayNumber % 7) + 7) % 7);
  fields.hour = static_cast<int>(timeOfDay / 3600000);
  fields.minute = static_cast<int>(timeOfDay / 60000 % 60);
  fields.second = static_cast<int>(timeOfDay / 1000 % 60);
  fields.milliseconds = static_cast<int>(timeOfDay % 1000);
  return fields;
}

platform::SystemTime ValueToSystemTime(double value) {
  const DateTimeFields f = DecodeDateTime(value);
  platform::SystemTime system;
  system.year = static_cast<uint16_t>(f.year);
  system.month = static_cast<uint16_t>(f.month);
  system.dayOfWeek = static_cast<uint16_t>(f.dayOfWeek);
  system.day = static_cast<uint16_t>(f.day);
  system.hour = static_cast<uint16_t>(f.hour);
  system.minute = static_cast<uint16_t>(f.minute);
  system.second = static_cast<uint16_t>(f.second);
  system.milliseconds = static_cast<uint16_t>(f.milliseconds);
  return system;
}

double PackedDateToValue(int32_t packed) {
  const uint32_t bits = static_cast<uint32_t>(packed);
  const int high = static_cast<int>(bits >> 16);
  const int low = static_cast<int>(bits & 0xFFFF);
  double date, time;
  if (!TryEncodeDate((high >> 9) + 1980, (high >> 5) & 15, high & 31, date)) {
    throw EConvertError("日付に変換できない値が渡されました");
  }
  if (!TryEncodeTime(low >> 11, (low >> 5) & 63, (low & 31) * 2, 0, time)) {
    throw EConvertError("時刻に変換できない値が渡されました");
  }
  return date + time;
}

double LocalFileTimeToValue(platform::FileTime local) {
  constexpr int64_t kTicksPerSecond = 10'000'000;
  constexpr int64_t kDaysFrom1601 = 109205;  // 1601-01-01 is day -109205
  const int64_t seconds = static_cast<int64_t>(local.ticks / kTicksPerSecond);
  const double day = static_cast<double>(seconds / 86400 - kDaysFrom1601);
  const double time = static_cast<double>(seconds % 86400) / 86400.0;
  return day < 0 ? day - time : day + time;
}

bool TryClockFields(int year, int month, int day, int hour, int minute, int second,
                    platform::SystemTime& clock) {
  double value;
  if (!TryEncodeDate(year, month, day, value) || !TryEncodeTime(hour, minute, second, 0, value)) {
    return false;
  }
  clock = {static_cast<uint16_t>(year),
           static_cast<uint16_t>(month),
           0,
           static_cast<uint16_t>(day),
           static_cast<uint16_t>(hour),
           static_cast<uint16_t>(minute),
           static_cast<uint16_t>(second),
           0};
  return true;
}

bool SecondsToClock(int64_t epochDay, int64_t seconds, platform::SystemTime& clock) {
  constexpr int64_t kFirstDay = -693593, kLastDay = 2958465;  // 0001-01-01, 9999-12-31
  // Bounded first, so that the day count cannot overflow.
  if (seconds < (kFirstDay - epochDay) * 86400 || seconds >= (kLastDay + 1 - epochDay) * 86400) {
    return false;
  }
  const int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const int64_t time = seconds - days * 86400;
  const DateTimeFields day = DecodeDateTime(static_cast<double>(epochDay + days));
  return TryClockFields(day.year, day.month, day.day, static_cast<int>(time / 3600),
                        static_cast<int>(time / 60 % 60), static_cast<int>(time % 60), clock);
}
