// Expanding date format patterns and writing date text.
#include <gtest/gtest.h>

#include "date_test_settings.h"
#include "entries/date_format.h"
#include "platform/locale.h"
#include "platform/utf.h"
#include "support/code_page_932.h"

namespace {

using datetest::SettingsScope;
using datetest::Value;

struct Case {
  const char* pattern;
  const char* text;
};

void ExpectAll(const std::vector<Case>& cases, double value) {
  for (const Case& c : cases) EXPECT_EQ(ApplyDateFormat(c.pattern, value), c.text) << c.pattern;
}

// Sunday 2001-05-06 09:07:03.008: every field differs from the others.
double Morning() { return Value(2001, 5, 6, 9, 7, 3, 8); }
// Tuesday 2001-12-25 23:45:06.789.
double Evening() { return Value(2001, 12, 25, 23, 45, 6, 789); }

TEST(ApplyDateFormat, DateElements) {
  SettingsScope scope(datetest::MonthDayYear());
  ExpectAll({{"d dd ddd dddd", "6 06 Sun Sunday"},
             {"m mm mmm mmmm mmmmm", "5 05 May May May"},
             {"y yy yyy yyyy yyyyy", "01 01 2001 2001 2001"},
             {"D/M/Y", "6/5/01"},
             {"ddddd", "5/6/2001"},
             {"dddddd", "Sunday, May 06, 2001"},
             {"ddddddd", "Sunday, May 06, 2001"},
             {"aaa aaaa AAAA aAaA", "Sun Sunday Sunday Sunday"},
             {"aaaaa", "Sundaya"},
             {"a aa", "a aa"}},
            Morning());
  ExpectAll({{"mmm mmmm", "Dec December"}, {"ddd dddd", "Tue Tuesday"}}, Evening());
  ExpectAll({{"yyyy/mm/dd y", "0099/03/01 99"}}, Value(99, 3, 1));
}

TEST(ApplyDateFormat, TimeElementsAndTheMinutesAfterAnHour) {
  SettingsScope scope(datetest::YearMonthDay());
  ExpectAll({{"h hh hhh", "9 09 09"},
             {"n nn nnn", "7 07 07"},
             {"s ss sss", "3 03 03"},
             {"z zz zzz zzzz", "8 08 008 008"},
             {"h:m", "9:7"},
             {"hh:mm:ss", "09:07:03"},
             {"h m", "9 7"},  // only letters end the rule
             {"hmm", "907"},
             {"h:mm:ss mm", "9:07:03 05"},  // after s, m is the month again
             {"hh:mM", "09:75"},            // mM is two runs: minutes, then the month
             {"hxm", "9x5"},                // any letter in between ends it
             {"h'x'm", "9x7"},              // quoted text is no letter
             {"HH:MM", "09:07"},
             {"m", "5"},
             {"t", "9:07"},
             {"tt", "9:07:03"},
             {"ttt", "9:07:03"}},
            Morning());
}

TEST(ApplyDateFormat, TwelveHourClockElements) {
  SettingsScope scope(datetest::YearMonthDay());
  DateSettings.amDesignator = "vorm";
  DateSettings.pmDesignator = "nachm";
  const std::vector<Case> cases = {
      {"h AM/PM", "9 AM|11 PM|12 AM|12 PM|1 PM"},
      {"h am/pm", "9 am|11 pm|12 am|12 pm|1 pm"},
      {"h aM/Pm", "9 aM|11 Pm|12 aM|12 Pm|1 Pm"},
      {"h A/P", "9 A|11 P|12 A|12 P|1 P"},
      {"h a/p", "9 a|11 p|12 a|12 p|1 p"},
      {"hh:nn ampm", "09:07 vorm|11:45 nachm|12:00 vorm|12:30 nachm|01:00 nachm"},
      {"AMPM h", "vorm 9|nachm 11|vorm 12|nachm 12|nachm 1"},  // written before the hour
      {"h", "9|23|0|12|13"},
      {"h a", "9 a|23 a|0 a|12 a|13 a"},                      // the a decides: no AM/PM
      {"h 'AMPM'", "9 AMPM|23 AMPM|0 AMPM|12 AMPM|13 AMPM"},  // quoted: not looked at
      {"h h AMPM", "9 9 vorm|23 11 nachm|0 12 vorm|12 12 nachm|13 1 nachm"},  // stops at an h
      {"h \"x\" A/P", "9 x A|11 x P|12 x A|12 x P|1 x P"},
  };
  const double values[] = {Morning(), Evening(), Value(2001, 5, 6), Value(2001, 5, 6, 12, 30),
                           Value(2001, 5, 6, 13)};
  for (const Case& c : cases) {
    std::string joined;
    for (double v : values) {
      if (!joined.empty()) joined += '|';
      joined += ApplyDateFormat(c.pattern, v);
    }
    EXPECT_EQ(joined, c.text) << c.pattern;
  }
}

TEST(ApplyDateFormat, SeparatorsQuotesAndOtherCharacters) {
  SettingsScope scope(datetest::YearMonthDay());
  DateSettings.dateSeparator = '-';
  DateSettings.timeSeparator = '.';
  ExpectAll({{"yyyy/mm/dd hh:nn", "2001-05-06 09.07"},
             {"'yyyy/mm'", "yyyy/mm"},
             {"\"d\"d", "d6"},
             {"'a\"b'", "a\"b"},
             {"\"it's\"", "it's"},
             {"''", ""},
             {"'open", "open"},
             {"d 'x", "6 x"},
             {"bfijkloqruvwx ,.-;[]", "bfijkloqruvwx ,.-;[]"}},
            Morning());
  DateSettings.dateSeparator = '\0';  // a locale that gives an empty separator
  DateSettings.timeSeparator = '\0';
  ExpectAll({{"yyyy/mm/dd hh:nn", "20010506 0907"}}, Morning());
}

TEST(ApplyDateFormat, NestsAtMostTwoLevels) {
  SettingsScope scope(datetest::YearMonthDay());
  ExpectAll(
      {{"c", "2001/05/06 9:07:03"}, {"ddddd t", "2001/05/06 9:07"}, {"[dddddd]", "[2001年5月6日]"}},
      Morning());
  // The formats that c, ddddd, dddddd and t insert are expanded at the second level; a format
  // they insert in turn would be a third level and produces nothing.
  DateSettings.shortDateFormat = "<ddddd|t|yyyy>";
  DateSettings.longTimeFormat = "<tt|h>";
  ExpectAll({{"ddddd", "<||2001>"}, {"c", "<||2001> <|9>"}, {"tt", "<|9>"}}, Morning());
  EXPECT_EQ(FormatDateText(Morning()), "<||2001> <|9>");
}

TEST(ApplyDateFormat, ResultIsCutAt256Bytes) {
  SettingsScope scope(datetest::YearMonthDay());
  std::string pattern;
  for (int i = 0; i < 100; ++i) pattern += "yyyy ";
  const std::string text = ApplyDateFormat(pattern, Morning());
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(text.substr(245), "2001 2001 2");

  EXPECT_EQ(ApplyDateFormat("'" + std::string(300, 'x') + "'", Morning()), std::string(256, 'x'));
  // Text inserted by a nested format counts the same.
  DateSettings.longDateFormat = "'" + std::string(250, 'L') + "'";
  EXPECT_EQ(ApplyDateFormat("ddddddyyyy,yyyy", Morning()), std::string(250, 'L') + "2001,2");
}

// As on Japanese Windows: characters that the code page writes with two bytes are dropped
// outside quotes.
TEST(ApplyDateFormat, DoubleByteCharactersOutsideQuotesAreDropped) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  SettingsScope scope(datetest::YearMonthDay());
  ExpectAll({{"yyyy年MM月dd日", "20010506"},
             {"yyyy'年'MM\"月\"", "2001年05月"},
             {"h時m", "95"},  // a double-byte character ends the minutes-after-hour rule
             {"h'時'm", "9時7"}},
            Morning());
  DateSettings.shortDateFormat = "yyyy年M月d日";
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6)), "200156");
}

TEST(ApplyDateFormat, EraElementsComeFromTheAlternativeCalendar) {
  SettingsScope scope(datetest::YearMonthDay());
  const double value = Morning();
  platform::SystemTime date;
  date.year = 2001;
  date.month = 5;
  date.day = 6;
  date.dayOfWeek = 0;
  const std::string shortYear = platform::FormatAltCalendarDate(date, "yy").value_or("");
  const std::string longYear = platform::FormatAltCalendarDate(date, "yyyy").value_or("");
  const std::string era = platform::FormatAltCalendarDate(date, "gg").value_or("");
  const std::string shortestYear =
      !shortYear.empty() && shortYear[0] == '0' ? shortYear.substr(1) : shortYear;
  EXPECT_EQ(ApplyDateFormat("e|ee|eee|eeee", value),
            shortestYear + "|" + shortYear + "|" + longYear + "|" + longYear);
  EXPECT_EQ(ApplyDateFormat("gg|ggg", value), era + "|" + era);
  DateSettings.primaryLanguage = kLangJapanese;
  size_t firstLength = 0;
  if (!era.empty()) platform::NextCodePoint(era, firstLength);
  const std::string first = era.substr(0, firstLength);
  EXPECT_EQ(ApplyDateFormat("g", value), first);
  DateSettings.primaryLanguage = kLangEnglish;
  EXPECT_EQ(ApplyDateFormat("g", value), era);
}

TEST(FormatDateText, WritesTheDateAloneAtMidnight) {
  SettingsScope scope(datetest::YearMonthDay());
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      {Value(2001, 5, 6, 9, 5, 4), "2001/05/06 9:05:04"},
      {Value(2001, 5, 6), "2001/05/06"},
      {Value(2001, 5, 6, 0, 0, 0, 500), "2001/05/06"},  // milliseconds do not count
      {Value(2001, 5, 6, 0, 0, 1), "2001/05/06 0:00:01"},
      {Value(2001, 5, 6, 23, 59, 59, 999), "2001/05/06 23:59:59"},
      {Value(1899, 12, 29, 6), "1899/12/29 6:00:00"},
      {Value(99, 1, 2), "0099/01/02"},
  };
  for (const Row& r : rows) EXPECT_EQ(FormatDateText(r.value), r.text) << r.value;

  DateSettings = datetest::MonthDayYear();
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6, 9, 5, 4)), "5/6/2001 9:05:04 a.m.");
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6, 0, 5)), "5/6/2001 12:05:00 a.m.");
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6, 12)), "5/6/2001 12:00:00 p.m.");
  DateSettings.designatorFirst = true;
  BuildTimeFormats(DateSettings);
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6, 21, 5, 4)), "5/6/2001 p.m. 9:05:04");

  DateSettings = datetest::DayMonthYear();
  EXPECT_EQ(FormatDateText(Value(2001, 5, 6, 9, 5, 4)), "06.05.2001 09:05:04");
}

}  // namespace
