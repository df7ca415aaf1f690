#include "platform/time.h"

#include <gtest/gtest.h>

#include "support/temp_tree.h"

namespace {

using platform::FileTime;
using platform::SystemTime;

SystemTime Fields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                  int milliseconds = 0) {
  SystemTime s;
  s.year = static_cast<uint16_t>(year);
  s.month = static_cast<uint16_t>(month);
  s.day = static_cast<uint16_t>(day);
  s.hour = static_cast<uint16_t>(hour);
  s.minute = static_cast<uint16_t>(minute);
  s.second = static_cast<uint16_t>(second);
  s.milliseconds = static_cast<uint16_t>(milliseconds);
  return s;
}

TEST(SystemTimeToFileTime, CountsTicksFrom1601) {
  const SystemTime cases[] = {
      Fields(1601, 1, 1),
      Fields(1970, 1, 1),
      Fields(2000, 2, 29, 12),
      Fields(2001, 5, 6, 9, 5, 4),
      Fields(2107, 12, 31, 23, 59, 59, 999),
      Fields(9999, 12, 31, 23, 59, 59, 999),
      Fields(30827, 12, 31),
  };
  for (const SystemTime& s : cases) {
    FileTime time;
    ASSERT_TRUE(platform::SystemTimeToFileTime(s, time)) << s.year << "-" << s.month;
    EXPECT_EQ(time, testsupport::UtcFileTime(s.year, s.month, s.day, s.hour, s.minute, s.second,
                                             s.milliseconds))
        << s.year << "-" << s.month;
  }
}

TEST(SystemTimeToFileTime, IgnoresTheDayOfTheWeek) {
  SystemTime s = Fields(2001, 5, 6);
  s.dayOfWeek = 3;  // 2001-05-06 was a Sunday
  FileTime time;
  ASSERT_TRUE(platform::SystemTimeToFileTime(s, time));
  EXPECT_EQ(time, testsupport::UtcFileTime(2001, 5, 6));
}

TEST(SystemTimeToFileTime, RejectsFieldsThatNameNoTime) {
  const SystemTime cases[] = {
      Fields(2001, 2, 29),  // not a leap year
      Fields(1900, 2, 29),  // nor is a century not divisible by 400
      Fields(1600, 12, 31),      Fields(2001, 0, 1),           Fields(2001, 13, 1),
      Fields(2001, 4, 31),       Fields(2001, 1, 0),           Fields(2001, 1, 1, 24),
      Fields(2001, 1, 1, 0, 60), Fields(2001, 1, 1, 0, 0, 60), Fields(2001, 1, 1, 0, 0, 0, 1000),
  };
  for (const SystemTime& s : cases) {
    FileTime time;
    EXPECT_FALSE(platform::SystemTimeToFileTime(s, time))
        << s.year << "-" << s.month << "-" << s.day << " " << s.hour << ":" << s.minute << ":"
        << s.second << "." << s.milliseconds;
  }
}

TEST(FileTimeToDosDateTime, PacksDatesFrom1980To2107) {
  struct Case {
    SystemTime time;
    bool fits;
    uint16_t date, dosTime;
  };
  const Case cases[] = {
      {Fields(1979, 12, 31, 23, 59, 59), false, 0, 0},
      {Fields(1980, 1, 1), true, 0x0021, 0x0000},
      {Fields(2001, 5, 6, 9, 5, 5), true, (21 << 9) | (5 << 5) | 6, (9 << 11) | (5 << 5) | 2},
      {Fields(2001, 5, 6, 23, 59, 59, 999), true, (21 << 9) | (5 << 5) | 6,
       (23 << 11) | (59 << 5) | 29},
      {Fields(2107, 12, 31, 23, 59, 59), true, 0xFF9F, 0xBF7D},
      {Fields(2108, 1, 1), false, 0, 0},
  };
  for (const Case& c : cases) {
    FileTime time;
    ASSERT_TRUE(platform::SystemTimeToFileTime(c.time, time));
    uint16_t date = 0, dosTime = 0;
    EXPECT_EQ(platform::FileTimeToDosDateTime(time, date, dosTime), c.fits) << c.time.year;
    if (!c.fits) continue;
    EXPECT_EQ(date, c.date) << c.time.year;
    EXPECT_EQ(dosTime, c.dosTime) << c.time.year;
  }
}

TEST(LocalFileTime, RoundTripsAndUsesTheBiasInForceNowForEveryDate) {
  const FileTime winter = testsupport::UtcFileTime(2001, 1, 15, 12);
  const FileTime summer = testsupport::UtcFileTime(2001, 7, 15, 12);
  FileTime localWinter, localSummer, back;
  ASSERT_TRUE(platform::FileTimeToLocalFileTime(winter, localWinter));
  ASSERT_TRUE(platform::FileTimeToLocalFileTime(summer, localSummer));
  const int64_t bias = static_cast<int64_t>(localWinter.ticks - winter.ticks);
  EXPECT_EQ(static_cast<int64_t>(localSummer.ticks - summer.ticks), bias);
  EXPECT_EQ(bias % (60 * 10'000'000LL), 0);  // whole minutes
  EXPECT_LE(bias < 0 ? -bias : bias, 14 * 3600 * 10'000'000LL);
  ASSERT_TRUE(platform::LocalFileTimeToFileTime(localSummer, back));
  EXPECT_EQ(back, summer);
}

TEST(LocalTime, ReadsTheFixedClockWhileOneIsSet) {
  SystemTime fixed = Fields(2001, 5, 6, 9, 5, 4, 3);
  fixed.dayOfWeek = 0;
  platform::SetLocalTimeOverride(fixed);
  EXPECT_EQ(platform::LocalTime(), fixed);
  platform::SetLocalTimeOverride(std::nullopt);
  const SystemTime now = platform::LocalTime();
  EXPECT_NE(now, fixed);
  FileTime ignored;
  EXPECT_GE(now.year, 2020);
  EXPECT_LE(now.dayOfWeek, 6);
  EXPECT_TRUE(platform::SystemTimeToFileTime(now, ignored));  // a valid record
}

}  // namespace
