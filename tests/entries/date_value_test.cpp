// Date-time values and their calendar fields, SYSTEMTIME records and packed file dates.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "entries/date_value.h"

namespace {

TEST(DateValue, EncodesCalendarDatesAsDaysFrom18991230) {
  struct Case {
    int year, month, day;
    double value;
  };
  const Case cases[] = {
      {1899, 12, 30, 0},    {1899, 12, 29, -1},      {1900, 1, 1, 2},       {1900, 3, 1, 61},
      {2000, 2, 29, 36585}, {2001, 5, 6, 37017},     {1980, 1, 1, 29221},   {2107, 12, 31, 75971},
      {1, 1, 1, -693593},   {9999, 12, 31, 2958465}, {1600, 3, 1, -109511},
  };
  for (const Case& c : cases) {
    double value = 12345;
    EXPECT_TRUE(TryEncodeDate(c.year, c.month, c.day, value)) << c.year << "-" << c.month;
    EXPECT_EQ(value, c.value) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DateValue, RejectsDatesThatDoNotExist) {
  const int cases[][3] = {{0, 1, 1},     {10000, 1, 1}, {2001, 2, 29}, {1900, 2, 29},
                          {2000, 2, 30}, {2001, 4, 31}, {2001, 13, 1}, {2001, 0, 1},
                          {2001, 1, 0},  {2001, 1, 32}, {-1, 1, 1}};
  for (const auto& c : cases) {
    double value = 0;
    EXPECT_FALSE(TryEncodeDate(c[0], c[1], c[2], value)) << c[0] << "-" << c[1] << "-" << c[2];
  }
}

TEST(DateValue, DecodesFieldsRoundingToMillisecondsHalvesToEven) {
  struct Case {
    double value;
    DateTimeFields fields;  // year, month, day, dayOfWeek, hour, minute, second, milliseconds
  };
  const Case cases[] = {
      {0, {1899, 12, 30, 6, 0, 0, 0, 0}},
      {-1.25, {1899, 12, 29, 5, 6, 0, 0, 0}},  // the fraction's magnitude is the time of day
      {-0.25, {1899, 12, 30, 6, 6, 0, 0, 0}},
      {37017 + 0.5, {2001, 5, 6, 0, 12, 0, 0, 0}},
      {36585, {2000, 2, 29, 2, 0, 0, 0, 0}},
      {2958465 + 86399999.0 / 86400000, {9999, 12, 31, 5, 23, 59, 59, 999}},
      {-693593, {1, 1, 1, 1, 0, 0, 0, 0}},
      {-693594.5, {0, 0, 0, 0, 12, 0, 0, 0}},  // before year 1: no date
      // 42187.5 and 126562.5 milliseconds exactly: halves go to the even neighbour.
      {1.0 / 2048, {1899, 12, 30, 6, 0, 0, 42, 188}},
      {3.0 / 2048, {1899, 12, 30, 6, 0, 2, 6, 562}},
      {-3.0 / 2048, {1899, 12, 30, 6, 0, 2, 6, 562}},
      // Just below midnight rounds up into the next day.
      {37017 + 86399999.6 / 86400000, {2001, 5, 7, 1, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const DateTimeFields f = DecodeDateTime(c.value);
    const DateTimeFields& e = c.fields;
    EXPECT_EQ(f.year, e.year) << c.value;
    EXPECT_EQ(f.month, e.month) << c.value;
    EXPECT_EQ(f.day, e.day) << c.value;
    EXPECT_EQ(f.dayOfWeek, e.dayOfWeek) << c.value;
    EXPECT_EQ(f.hour, e.hour) << c.value;
    EXPECT_EQ(f.minute, e.minute) << c.value;
    EXPECT_EQ(f.second, e.second) << c.value;
    EXPECT_EQ(f.milliseconds, e.milliseconds) << c.value;
  }
}

// Every day of the calendar decodes to the day after the one before it and encodes back.
TEST(DateValue, EveryDayFromYearOneTo9999RoundTrips) {
  int year = 1, month = 1, day = 1, dayOfWeek = 1;  // 0001-01-01 was a Monday
  for (int value = -693593; value <= 2958465; ++value) {
    const DateTimeFields f = DecodeDateTime(value >= 0 ? value + 0.75 : value - 0.75);
    if (f.year != year || f.month != month || f.day != day || f.dayOfWeek != dayOfWeek ||
        f.hour != 18) {
      FAIL() << "day " << value << " decodes to " << f.year << "-" << f.month << "-" << f.day;
    }
    double encoded = 0;
    ASSERT_TRUE(TryEncodeDate(year, month, day, encoded));
    ASSERT_EQ(encoded, value);
    dayOfWeek = (dayOfWeek + 1) % 7;
    if (++day > DaysInMonth(year, month)) {
      day = 1;
      if (++month > 12) month = 1, ++year;
    }
  }
  EXPECT_EQ(year, 10000);
}

TEST(DateValue, SystemTimeHoldsEveryField) {
  const double value = 37017 + (9 * 3600000 + 5 * 60000 + 4 * 1000 + 123) / 86400000.0;
  platform::SystemTime expected;
  expected.year = 2001;
  expected.month = 5;
  expected.dayOfWeek = 0;
  expected.day = 6;
  expected.hour = 9;
  expected.minute = 5;
  expected.second = 4;
  expected.milliseconds = 123;
  EXPECT_EQ(ValueToSystemTime(value), expected);

  const platform::SystemTime before = ValueToSystemTime(-1.25);  // 1899-12-29 06:00, a Friday
  EXPECT_EQ(before.day, 29);
  EXPECT_EQ(before.dayOfWeek, 5);
  EXPECT_EQ(before.hour, 6);
}

int32_t Packed(int year, int month, int day, int hour, int minute, int twoSeconds) {
  const uint32_t date = ((year - 1980) << 9) | (month << 5) | day;
  const uint32_t time = (hour << 11) | (minute << 5) | twoSeconds;
  return static_cast<int32_t>((date << 16) | time);
}

TEST(PackedDate, DecodesDateAndTime) {
  struct Case {
    int32_t packed;
    double value;
  };
  const Case cases[] = {
      {Packed(2001, 5, 6, 9, 5, 2), 37017 + (9 * 3600 + 5 * 60 + 4) / 86400.0},
      {Packed(1980, 1, 1, 0, 0, 0), 29221},
      {Packed(2107, 12, 31, 23, 59, 29), 75971 + 86398 / 86400.0},
      {Packed(2000, 2, 29, 12, 0, 0), 36585.5},
  };
  for (const Case& c : cases) EXPECT_EQ(PackedDateToValue(c.packed), c.value) << c.packed;
}

TEST(PackedDate, RejectsInvalidHalvesDateFirst) {
  const std::string badDate = "日付に変換できない値が渡されました";
  const std::string badTime = "時刻に変換できない値が渡されました";
  struct Case {
    int32_t packed;
    const std::string& message;
  };
  const Case cases[] = {
      {-1, badDate},  // month 15 of 2107
      {0, badDate},   // month 0, day 0
      {Packed(2001, 2, 29, 0, 0, 0), badDate},
      {Packed(2001, 13, 1, 0, 0, 0), badDate},
      {Packed(2001, 4, 31, 0, 0, 0), badDate},
      {Packed(2001, 5, 0, 0, 0, 0), badDate},
      {Packed(2001, 0, 6, 24, 0, 0), badDate},  // both halves bad: the date is reported
      {Packed(2001, 5, 6, 24, 0, 0), badTime},
      {Packed(2001, 5, 6, 31, 0, 0), badTime},
      {Packed(2001, 5, 6, 0, 60, 0), badTime},
      {Packed(2001, 5, 6, 0, 63, 0), badTime},
      {Packed(2001, 5, 6, 0, 0, 30), badTime},  // second 60
      {Packed(2001, 5, 6, 0, 0, 31), badTime},  // second 62
  };
  for (const Case& c : cases) {
    try {
      PackedDateToValue(c.packed);
      ADD_FAILURE() << "no error for " << c.packed;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.what(), c.message) << c.packed;
    }
  }
}

}  // namespace
