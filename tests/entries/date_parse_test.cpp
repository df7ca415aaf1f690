// Reading date text back into values.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/errors.h"
#include "date_test_settings.h"
#include "entries/date_format.h"
#include "entries/date_parse.h"

namespace {

using datetest::SettingsScope;
using datetest::Value;

struct Accepted {
  const char* text;
  double value;
};

void ExpectAccepted(const std::vector<Accepted>& cases) {
  for (const Accepted& c : cases) {
    try {
      EXPECT_EQ(ParseDateText(c.text), c.value) << "'" << c.text << "'";
    } catch (const EConvertError& e) {
      ADD_FAILURE() << "'" << c.text << "' rejected: " << e.what();
    }
  }
}

void ExpectRejected(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    try {
      const double value = ParseDateText(text);
      ADD_FAILURE() << "'" << text << "' read as " << value;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.what(), "'" + text + "' は日付または時刻ではありません");
    }
  }
}

double Time(int hour, int minute, int second = 0, int milliseconds = 0) {
  return Value(1899, 12, 30, hour, minute, second, milliseconds);
}

TEST(ParseDateText, YearMonthDayOn24HourClock) {
  SettingsScope scope(datetest::YearMonthDay());
  ExpectAccepted({
      {"2001/05/06", Value(2001, 5, 6)},
      {"2001/5/6", Value(2001, 5, 6)},
      {"2001/05/06 9:05:04", Value(2001, 5, 6, 9, 5, 4)},
      {"  2001 / 5 / 6  9:05", Value(2001, 5, 6, 9, 5)},
      {"2001/ 5/6 9 : 05 : 04", Value(2001, 5, 6, 9, 5, 4)},
      {"2001/5/6/", Value(2001, 5, 6)},  // a trailing separator
      {"2001/5/6 / 9:05", Value(2001, 5, 6, 9, 5)},
      {"2001/5/6  ", Value(2001, 5, 6)},
      {"2001/5/6 9", Value(2001, 5, 6, 9)},
      {"2001/5/6 9:05:04 x", Value(2001, 5, 6, 9, 5, 4)},  // text after a time is not read
      {"2001/5/6 9:05:04.5", Value(2001, 5, 6, 9, 5, 4, 5)},
      {"2001/5/6 9:05:04.500", Value(2001, 5, 6, 9, 5, 4, 500)},
      {"2001/5/6 9.5", Value(2001, 5, 6, 9)},  // milliseconds come only after seconds
      {"2001/5/6 23:59:59.999", Value(2001, 5, 6, 23, 59, 59, 999)},
      {"2000/2/29", Value(2000, 2, 29)},
      {"9999/12/31", Value(9999, 12, 31)},
      {"1/1/1", Value(2001, 1, 1)},
      {"0001/1/1", Value(1, 1, 1)},
      {"1899/12/29 6:00", Value(1899, 12, 29, 6)},  // before day 0: minus the time of day
      // Two-digit years fall in 1976..2075 with the current year 2026.
      {"75/1/2", Value(2075, 1, 2)},
      {"76/1/2", Value(1976, 1, 2)},
      {"00/1/2", Value(2000, 1, 2)},
      {"0/1/2", Value(2000, 1, 2)},
      {"9/1/2", Value(2009, 1, 2)},
      {"26/1/2", Value(2026, 1, 2)},
      // Three or more digits, leading zeros included, are taken as written.
      {"0099/1/2", Value(99, 1, 2)},
      {"099/1/2", Value(99, 1, 2)},
      {"00001/1/2", Value(1, 1, 2)},
      // Two numbers: month and day of the current year.
      {"5/6", Value(2026, 5, 6)},
      {"5/6 9:05", Value(2026, 5, 6, 9, 5)},
      // A time alone is a time on day 0.
      {"12:30", Time(12, 30)},
      {" 9 ", Time(9, 0)},
      {"0:0:0", 0},
      {"23:59:59", Time(23, 59, 59)},
      // Designators before or after the time, in any case; "AM" and "PM" always.
      {"2001/5/6 9:05 pm", Value(2001, 5, 6, 21, 5)},
      {"2001/5/6 PM 9:05", Value(2001, 5, 6, 21, 5)},
      {"2001/5/6 PM9:05", Value(2001, 5, 6, 21, 5)},
      {"2001/5/6 12:30 am", Value(2001, 5, 6, 0, 30)},
      {"2001/5/6 12:30 Pm", Value(2001, 5, 6, 12, 30)},
      {"2001/5/6 午後1:05", Value(2001, 5, 6, 13, 5)},
      {"2001/5/6 午前 12:05:06", Value(2001, 5, 6, 0, 5, 6)},
      {"2001/5/6 1:05 午後", Value(2001, 5, 6, 13, 5)},
      {"11:00 PM", Time(23, 0)},
      {"am 1", Time(1, 0)},
  });
  ExpectRejected({
      "",
      " ",
      "2001/2/29",
      "1900/2/29",
      "2001/4/31",
      "2001/13/1",
      "2001/0/1",
      "2001/1/0",
      "0000/1/1",
      "10000/1/1",
      "20011/5/6",  // the fifth digit stands where the separator belongs
      "2001/5/6 24:00",
      "2001/5/6 23:60",
      "2001/5/6 9:05:60",
      "2001/5/6 9:05:04.1000",
      "2001/5/6 x",
      "2001/5/6 9:",
      "2001/5/6 9:05:",
      "2001/5/",
      "5/6/",  // a second separator needs the third number
      "2001-5-6",
      "2001/5/6 0:30 pm",
      "2001/5/6 13:00 pm",
      "2001/5/6 pm 0:30",
      "午後 13:00",
      "12:30 x",
      "12.30",
      "9:05.5",
      "12:",
      ":30",
      "pm",
      "x2001/5/6",
  });
}

TEST(ParseDateText, MonthDayYearWithDesignators) {
  SettingsScope scope(datetest::MonthDayYear());
  ExpectAccepted({
      {"5/6/2001", Value(2001, 5, 6)},
      {"5/6/2001 9:05:04 p.m.", Value(2001, 5, 6, 21, 5, 4)},
      {"5/6/2001 9:05:04 P.M.", Value(2001, 5, 6, 21, 5, 4)},
      {"5/6/2001 p.m. 9:05:04", Value(2001, 5, 6, 21, 5, 4)},
      {"5/6/2001 9:05 PM", Value(2001, 5, 6, 21, 5)},
      {"5/6/2001 9:05 am", Value(2001, 5, 6, 9, 5)},
      {"5/6/2001 12:00:00 a.m.", Value(2001, 5, 6)},
      {"5/6/2001 12:00:00 p.m.", Value(2001, 5, 6, 12)},
      {"5/6/2001 15:00", Value(2001, 5, 6, 15)},  // without a designator, 24-hour
      {"5/6/01", Value(2001, 5, 6)},
      {"5/6/75", Value(2075, 5, 6)},
      {"5/6/76", Value(1976, 5, 6)},
      {"5/6/0099", Value(99, 5, 6)},
      // Four digits end the number: the fifth one is read as the hour.
      {"5/6/20015", Value(2001, 5, 6, 5)},
      {"5/6/20015:30 pm", Value(2001, 5, 6, 17, 30)},
      {"5/6", Value(2026, 5, 6)},
      {"12/31", Value(2026, 12, 31)},
      {"1:30 p.m.", Time(13, 30)},
      {"a.m. 12:15", Time(0, 15)},
      {"5/6/2001 9:05 p.", Value(2001, 5, 6, 9, 5)},  // no designator: text after the time
  });
  ExpectRejected({
      "13/6/2001",
      "6/31/2001",
      "2/29/2001",
      "2001/5/6",  // read month-first: month 2001
      "5/6/2001 0:30 a.m.",
      "5/6/2001 13:00 p.m.",
      "5.6.2001",
      "",
  });
}

TEST(ParseDateText, DayMonthYear) {
  SettingsScope scope(datetest::DayMonthYear());
  ExpectAccepted({
      {"06.05.2001", Value(2001, 5, 6)},
      {"6.5.2001 09:05:04", Value(2001, 5, 6, 9, 5, 4)},
      {"6.5.2001 9:05:04,5", Value(2001, 5, 6, 9, 5, 4, 5)},
      {"6.5.2001 9.05", Value(2001, 5, 6, 9)},  // the time ends at the '.'
      {"6.5.2001 9:05 PM", Value(2001, 5, 6, 21, 5)},
      {"29.02.2000", Value(2000, 2, 29)},
      {"6.5.01", Value(2001, 5, 6)},
      {"6.5", Value(2026, 5, 6)},
      {"31.12", Value(2026, 12, 31)},
      {"12:30", Time(12, 30)},
  });
  ExpectRejected({
      "31.04.2001",
      "29.02.2001",
      "6.13.2001",
      "2001/5/6",  // only the current separator is accepted
      "5/6",
      "6.5.2001 9:05:04,",
      "6.5.",
  });
}

TEST(ParseDateText, OnlyTheCurrentSeparatorsAreAccepted) {
  SettingsScope scope(datetest::YearMonthDay());
  const std::string written = FormatDateText(Value(2001, 5, 6, 9, 5, 4));
  EXPECT_EQ(ParseDateText(written), Value(2001, 5, 6, 9, 5, 4));
  DateSettings.dateSeparator = '-';
  ExpectRejected({written});
  ExpectAccepted({{"2001-5-6 9:05:04", Value(2001, 5, 6, 9, 5, 4)}});
  DateSettings.timeSeparator = '.';
  ExpectAccepted({{"2001-5-6 9.05.04", Value(2001, 5, 6, 9, 5, 4)}});
}

TEST(ParseDateText, CenturyWindowFollowsTheCurrentYear) {
  SettingsScope scope(datetest::YearMonthDay(), 2049);  // the window is 1999..2098
  ExpectAccepted({{"98/1/1", Value(2098, 1, 1)}, {"99/1/1", Value(1999, 1, 1)}});
  SettingsScope later(datetest::YearMonthDay(), 2051);  // 2001..2100
  ExpectAccepted({{"00/1/1", Value(2100, 1, 1)}, {"01/1/1", Value(2001, 1, 1)}});
  ExpectAccepted({{"2/3", Value(2051, 2, 3)}});
}

TEST(ParseDateText, EraYears) {
  DateSettingsRecord settings = datetest::YearMonthDay();
  settings.eras = {{"昭和", 1926}, {"平成", 1989}, {"令和", 2019}};
  settings.shortDateFormat = "gggee/MM/dd";
  {
    SettingsScope scope(settings);
    ExpectAccepted({
        {"令和3/05/06", Value(2021, 5, 6)},
        {"平成13/05/06", Value(2001, 5, 6)},
        {" 平成 13/5/6 9:05", Value(2001, 5, 6, 9, 5)},
        {"昭和64/1/7", Value(1989, 1, 7)},
        {"成13/5/6", Value(2001, 5, 6)},  // part of a name finds it
        {"13/5/6", Value(2013, 5, 6)},    // no era: a two-digit year
        {"X13/5/6", Value(2013, 5, 6)},
    });
  }
  settings.shortDateFormat = "ee/MM/dd";  // the first era applies
  {
    SettingsScope scope(settings);
    ExpectAccepted({{"13/5/6", Value(1938, 5, 6)}, {"5/6", Value(2026, 5, 6)}});
  }
  settings.primaryLanguage = kLangKorean;
  settings.eras = {{"Dangi", 2333}};
  {
    SettingsScope scope(settings);
    ExpectAccepted({{"4334/5/6", Value(2001, 5, 6)}, {"34/5/6", Value(2001, 5, 6)}});
  }
}

// Text after the date is passed over on a double-byte system whose date format has a day name.
TEST(ParseDateText, DayNameAfterTheDateOnDoubleByteSystems) {
  DateSettingsRecord settings = datetest::MonthDayYear();
  settings.shortDateFormat = "M/d/yyyy ddd";
  settings.doubleByteSystem = true;
  SettingsScope scope(settings);
  ExpectAccepted({
      {"5/6/2001 Sun p.m. 9:05", Value(2001, 5, 6, 21, 5)},
      {"5/6/2001 Sun", Value(2001, 5, 6)},
      {"5/6/2001 (Sun) x a.m. 9:05", Value(2001, 5, 6, 9, 5)},
      // The day name ends at the first digit or designator: the time is read whole.
      {"5/6/2001 Sun 9:05", Value(2001, 5, 6, 9, 5)},
      {"5/6/2001 9:05 a.m.", Value(2001, 5, 6, 9, 5)},
      {"5/6/2001 (Sun)9:05:04", Value(2001, 5, 6, 9, 5, 4)},
      {"5/6/2001 (Sun)p.m.9:05", Value(2001, 5, 6, 21, 5)},
  });
  DateSettings.doubleByteSystem = false;
  ExpectRejected({"5/6/2001 Sun"});
  ExpectAccepted({{"5/6/2001 9:05 p.m.", Value(2001, 5, 6, 21, 5)}});
}

TEST(ParseDateText, ScanStepsReportWhereTheyStopped) {
  SettingsScope scope(datetest::YearMonthDay());
  const std::string text = "2001/5/6  9:05 x";
  int pos = 1;
  double date = 0, time = 0;
  ASSERT_TRUE(ScanDatePart(text, pos, date));
  EXPECT_EQ(date, Value(2001, 5, 6));
  EXPECT_EQ(pos, 11);
  ASSERT_TRUE(ScanTimePart(text, pos, time));
  EXPECT_EQ(time, Time(9, 5));
  EXPECT_EQ(pos, 16);
  pos = 1;
  EXPECT_FALSE(ScanDatePart("12:30", pos, date));
}

// A character cut short is the text's last character: passing over it (a day name, or the
// text before an era year) stops at the end of the text, not beyond it.
TEST(ParseDateText, ALeadByteAtTheEndIsOneCharacter) {
  DateSettingsRecord settings = datetest::YearMonthDay();
  settings.shortDateFormat = "yyyy/MM/dd ddd";
  settings.doubleByteSystem = true;
  SettingsScope scope(settings);
  struct Case {
    const char* shortTimeFormat;  // a digit first: the day name ends at the next digit
    std::string text;
  };
  for (const Case& c : {Case{"h:mm", "2001/5/6 (\xE6"}, Case{"h:mm", "2001/5/6 \xE6\x97"},
                        Case{"0h:mm", "2001/5/6 \xE6"}}) {
    DateSettings.shortTimeFormat = c.shortTimeFormat;
    int pos = 1;
    double date = 0;
    EXPECT_TRUE(ScanDatePart(c.text, pos, date)) << c.text;
    EXPECT_EQ(pos, static_cast<int>(c.text.size()) + 1) << c.text << " " << c.shortTimeFormat;
  }
}

// Everything written is read back, to the second, for values all over the calendar.
void ExpectRoundTrips(const DateSettingsRecord& settings) {
  SettingsScope scope(settings);
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int i = 0; i < 3000; ++i) {
    const int day = -693593 + static_cast<int>(next() % 3652059u);
    const double time = (next() % 86400000u) / 86400000.0;
    const double value = day >= 0 ? day + time : day - time;
    const DateTimeFields f = DecodeDateTime(value);
    const double expected = Value(f.year, f.month, f.day, f.hour, f.minute, f.second);
    const std::string text = FormatDateText(value);
    try {
      ASSERT_EQ(ParseDateText(text), expected) << text << " under " << settings.shortDateFormat;
    } catch (const EConvertError& e) {
      FAIL() << e.what() << " under " << settings.shortDateFormat;
    }
  }
}

// The Japanese short date with the day name in brackets: dates come back with their times.
TEST(ParseDateText, ReadsBackDateTextsWithADayName) {
  DateSettingsRecord s = datetest::YearMonthDay();
  s.shortDateFormat = "yyyy/MM/dd' ('ddd')'";
  s.shortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
  s.doubleByteSystem = true;
  s.designatorFirst = true;
  for (bool twelveHour : {false, true}) {
    s.twelveHourClock = twelveHour;
    BuildTimeFormats(s);
    ExpectRoundTrips(s);
  }
  SettingsScope scope(s);
  ExpectAccepted({{"1980/01/02 (水) 午前 4:29:43", Value(1980, 1, 2, 4, 29, 43)},
                  {"1980/01/02 (水) 4:29:43", Value(1980, 1, 2, 4, 29, 43)},
                  {"2024/01/02 9:05:04", Value(2024, 1, 2, 9, 5, 4)}});
}

TEST(ParseDateText, ReadsBackWhatFormatDateTextWrites) {
  for (DateSettingsRecord s :
       {datetest::YearMonthDay(), datetest::MonthDayYear(), datetest::DayMonthYear()}) {
    ExpectRoundTrips(s);
    s.designatorFirst = true;  // and with leading zeros on the hour
    s.hourForm = "hh";
    BuildTimeFormats(s);
    ExpectRoundTrips(s);
  }
}

}  // namespace
