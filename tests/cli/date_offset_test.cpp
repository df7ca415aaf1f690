// Offsets of horodex-cli shift and date texts moved by them.
#include "cli/date_offset.h"

#include <gtest/gtest.h>

#include "cli/arguments.h"
#include "core/errors.h"
#include "entries/date_settings_records.h"

namespace {

TEST(DateOffset, ReadsDaysHoursMinutesAndSecondsAfterASign) {
  struct Case {
    const char* text;
    int64_t seconds;
  };
  const Case cases[] = {
      {"+1d", 86400},    {"-2h30m", -9000},    {"+90s", 90},
      {"-1d2h", -93600}, {"+1d2h3m4s", 93784}, {"+0s", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDateOffset(c.text), c.seconds) << c.text;
}

TEST(DateOffset, RejectsWhatIsNoOffset) {
  const char* const cases[] = {"1d",    "+",     "+1",   "+d",           "+1x",
                               "+2h1d", "+1d1d", "+1dd", "+1234567890d", "1h+"};
  for (const char* text : cases) EXPECT_THROW(ParseDateOffset(text), UsageError) << text;
}

TEST(DateOffset, MovesDatesAcrossMonthsAndLeapDaysToTheSecond) {
  datetest::SettingsScope scope(datetest::YearMonthDay());
  struct Case {
    const char* text;
    int64_t seconds;
    const char* expected;
  };
  const Case cases[] = {
      {"2001/01/31 23:30:00", 3600, "2001/02/01 0:30:00"},
      {"2001/03/01 0:00:30", -31, "2001/02/28 23:59:59"},
      {"2024/02/28 12:00:00", 86400, "2024/02/29 12:00:00"},
      {"2023/02/28 12:00:00", 86400, "2023/03/01 12:00:00"},
      {"2024/03/01", -86400, "2024/02/29"},
      {"1601/01/03", -86400, "1601/01/02"},
      {"9999/12/31 23:59:58", 1, "9999/12/31 23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShiftedDateText(c.text, c.seconds), c.expected) << c.text;
}

TEST(DateOffset, RefusesDatesThatLeaveTheRangeOfFileTimesOrAreNone) {
  datetest::SettingsScope scope(datetest::YearMonthDay());
  struct Case {
    const char* text;
    int64_t seconds;
    const char* message;
  };
  const char* const kRange = "the shifted date lies outside the range of file times";
  const Case cases[] = {
      {"1601/01/01", -86400, kRange},
      {"9999/12/31 23:59:59", 1, kRange},
      {"no date", 1, "'no date' は日付または時刻ではありません"},
  };
  for (const Case& c : cases) {
    try {
      ShiftedDateText(c.text, c.seconds);
      ADD_FAILURE() << c.text << " was moved";
    } catch (const EConvertError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.text;
    }
  }
}

}  // namespace
