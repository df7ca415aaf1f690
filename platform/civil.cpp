#include "platform/civil.h"

namespace platform::civil {
namespace {

// Days from 0000-03-01 in the proleptic Gregorian calendar to 1601-01-01, and the length of
// a 400-year cycle; the year is counted from March so that the leap day comes last.
constexpr int64_t kDaysTo1601 = 584'694;
constexpr int64_t kDaysPer400Years = 146'097;

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int64_t DaysFrom1601(int year, int month, int day) {
  const int64_t y = month <= 2 ? year - 1 : year;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPer400Years + dayOfEra - kDaysTo1601;
}

CivilDate DateFrom1601(int64_t days) {
  const int64_t z = days + kDaysTo1601;
  const int64_t era = (z >= 0 ? z : z - kDaysPer400Years + 1) / kDaysPer400Years;
  const int64_t dayOfEra = z - era * kDaysPer400Years;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int dayOfWeek = static_cast<int>(((days + 1) % 7 + 7) % 7);
  return {year, month, day, dayOfWeek};
}

bool IsValidSystemTime(const SystemTime& t) {
  return t.year >= 1601 && t.year <= 30827 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= DaysInMonth(t.year, t.month) && t.hour < 24 && t.minute < 60 && t.second < 60 &&
         t.milliseconds < 1000;
}

}  // namespace platform::civil
