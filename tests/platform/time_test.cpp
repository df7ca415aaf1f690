#include "platform/time.h"

#include <gtest/gtest.h>

#include "platform/testing.h"
#include "support/local_dates.h"
#include "support/temp_tree.h"
#include "support/zone_instants.h"

namespace {

using platform::FileTime;
using platform::SystemTime;

using testsupport::SystemFields;

TEST(SystemTimeToFileTime, CountsTicksFrom1601) {
  const SystemTime cases[] = {
      SystemFields(1601, 1, 1),
      SystemFields(1970, 1, 1),
      SystemFields(2000, 2, 29, 12),
      SystemFields(2001, 5, 6, 9, 5, 4),
      SystemFields(2107, 12, 31, 23, 59, 59, 999),
      SystemFields(9999, 12, 31, 23, 59, 59, 999),
      SystemFields(30827, 12, 31),
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
  SystemTime s = SystemFields(2001, 5, 6);
  s.dayOfWeek = 3;  // 2001-05-06 was a Sunday
  FileTime time;
  ASSERT_TRUE(platform::SystemTimeToFileTime(s, time));
  EXPECT_EQ(time, testsupport::UtcFileTime(2001, 5, 6));
}

TEST(SystemTimeToFileTime, RejectsFieldsThatNameNoTime) {
  const SystemTime cases[] = {
      SystemFields(2001, 2, 29),  // not a leap year
      SystemFields(1900, 2, 29),  // nor is a century not divisible by 400
      SystemFields(1600, 12, 31),
      SystemFields(2001, 0, 1),
      SystemFields(2001, 13, 1),
      SystemFields(2001, 4, 31),
      SystemFields(2001, 1, 0),
      SystemFields(2001, 1, 1, 24),
      SystemFields(2001, 1, 1, 0, 60),
      SystemFields(2001, 1, 1, 0, 0, 60),
      SystemFields(2001, 1, 1, 0, 0, 0, 1000),
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
      {SystemFields(1979, 12, 31, 23, 59, 59), false, 0, 0},
      {SystemFields(1980, 1, 1), true, 0x0021, 0x0000},
      {SystemFields(2001, 5, 6, 9, 5, 5), true, (21 << 9) | (5 << 5) | 6, (9 << 11) | (5 << 5) | 2},
      {SystemFields(2001, 5, 6, 23, 59, 59, 999), true, (21 << 9) | (5 << 5) | 6,
       (23 << 11) | (59 << 5) | 29},
      {SystemFields(2107, 12, 31, 23, 59, 59), true, 0xFF9F, 0xBF7D},
      {SystemFields(2108, 1, 1), false, 0, 0},
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

TEST(LocalFileTime, RoundTripsInWholeMinutes) {
  for (const FileTime utc :
       {testsupport::UtcFileTime(2001, 1, 15, 12), testsupport::UtcFileTime(2001, 7, 15, 12)}) {
    FileTime local, back;
    ASSERT_TRUE(platform::UtcToLocalTime(utc, local));
    const int64_t offset = static_cast<int64_t>(local.ticks - utc.ticks);
    EXPECT_EQ(offset % (60 * 10'000'000LL), 0);  // whole minutes
    EXPECT_LE(offset < 0 ? -offset : offset, 14 * 3600 * 10'000'000LL);
    ASSERT_TRUE(platform::LocalToUtcTime(local, back));
    EXPECT_EQ(back, utc);
  }
}

FileTime FieldsTime(const int (&f)[6]) {
  return testsupport::UtcFileTime(f[0], f[1], f[2], f[3], f[4], f[5]);
}

// Each date by the rules in force on it, to the tick at the clock changes; the hour that
// occurs twice names its earlier instant, the hour skipped the instant one hour later.
TEST(LocalFileTime, EachDateTakesTheOffsetInForceOnIt) {
  const std::string zone = testsupport::TableZone();
  if (zone.empty()) GTEST_SKIP() << "runs with TZ=Europe/Berlin or TZ=America/New_York";
  using Way = testsupport::ZoneInstant::Way;
  // Twice in turn, so that the second pass reads the periods the first one found.
  for (int pass = 0; pass < 2; ++pass) {
    for (const testsupport::ZoneInstant& row : testsupport::ZoneInstants(zone)) {
      const uint64_t ticks = static_cast<uint64_t>(row.ticks);
      const FileTime utc{FieldsTime(row.utc).ticks + ticks};
      const FileTime local{FieldsTime(row.local).ticks + ticks};
      FileTime out;
      if (row.way != Way::ToUtc) {
        ASSERT_TRUE(platform::UtcToLocalTime(utc, out));
        EXPECT_EQ(out, local) << zone << " UTC " << row.utc[1] << "/" << row.utc[2] << " "
                              << row.utc[3] << ":" << row.utc[4] << ":" << row.utc[5];
      }
      if (row.way != Way::ToLocal) {
        ASSERT_TRUE(platform::LocalToUtcTime(local, out));
        EXPECT_EQ(out, utc) << zone << " local " << row.local[1] << "/" << row.local[2] << " "
                            << row.local[3] << ":" << row.local[4];
      }
    }
  }
}

// Before 1970 a time between two seconds takes the offset of the earlier one: half a second
// before New York's clocks went back in 1969 is still daylight time.
TEST(LocalFileTime, HalfASecondBefore1970TakesTheOffsetInForceOnIt) {
  if (testsupport::TableZone() != "America/New_York")
    GTEST_SKIP() << "runs with TZ=America/New_York";
  constexpr uint64_t kHalfSecond = 5'000'000;
  const FileTime utc{testsupport::UtcFileTime(1969, 10, 26, 5, 59, 59).ticks + kHalfSecond};
  const FileTime local{testsupport::UtcFileTime(1969, 10, 26, 1, 59, 59).ticks + kHalfSecond};
  FileTime out;
  ASSERT_TRUE(platform::UtcToLocalTime(utc, out));
  EXPECT_EQ(out, local);
  ASSERT_TRUE(platform::LocalToUtcTime(local, out));
  EXPECT_EQ(out, utc);
}

// A shift by the bias past either end of the file-time range fails instead of wrapping round
// it (east of Greenwich, 1601-01-01 0:00 local time lies before the first UTC file time).
TEST(LocalFileTime, FailsWhenTheShiftLeavesTheFileTimeRange) {
  const FileTime noon = testsupport::UtcFileTime(2001, 1, 15, 12);
  FileTime local, out;
  ASSERT_TRUE(platform::UtcToLocalTime(noon, local));
  const int64_t bias = static_cast<int64_t>(local.ticks - noon.ticks);
  if (bias == 0) GTEST_SKIP() << "local time is UTC here";
  const FileTime first{0}, last{0x7FFFFFFFFFFFFFFFull};
  EXPECT_FALSE(platform::LocalToUtcTime(bias > 0 ? first : last, out));
  EXPECT_FALSE(platform::UtcToLocalTime(bias > 0 ? last : first, out));
}

TEST(LocalTime, ReadsTheFixedClockWhileOneIsSet) {
  SystemTime fixed = SystemFields(2001, 5, 6, 9, 5, 4, 3);
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
