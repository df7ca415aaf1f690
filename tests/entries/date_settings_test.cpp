// The date settings: translated date formats, built time formats, and the Japanese locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "date_test_settings.h"
#include "entries/code_page.h"
#include "entries/date_format.h"
#include "entries/date_parse.h"
#include "entries/date_settings.h"
#include "platform/locale.h"

namespace {

TEST(TranslateDateFormat, EraCalendarsWriteEraYears) {
  struct Case {
    const char* format;
    const char* translated;
  };
  const Case cases[] = {
      {"gg yyyy/MM/dd", "ggg eeee/MM/dd"},
      {"GGyy/M/d", "gggee/M/d"},
      {"y", "e"},
      {"Y/yY", "e/ee"},
      {"yyy", "eee"},
      {"yyyyy", "eeeee"},
      {"g", "g"},
      {"ggg", "gggg"},
      {"dd-MMM-yy", "dd-MMM-ee"},
      {"", ""},
  };
  for (int calendar : {3, 4, 5}) {
    for (const Case& c : cases) {
      EXPECT_EQ(TranslateDateFormat(c.format, calendar, kLangJapanese), c.translated)
          << c.format << " calendar " << calendar;
    }
  }
}

// Characters beyond ASCII pass whole, and the letters around them are read as letters (in
// code page 932, ト and ェ were 83 67 and 83 47: their second bytes those of g and G).
TEST(TranslateDateFormat, DoubleByteCharactersStayWhole) {
  EXPECT_EQ(TranslateDateFormat("yy年yy", 3, kLangJapanese), "ee年ee");
  EXPECT_EQ(TranslateDateFormat("年gg", 3, kLangJapanese), "年ggg");
  EXPECT_EQ(TranslateDateFormat("gトェG'ト'", 1, kLangJapanese), "トェ'ト'");
}

TEST(TranslateDateFormat, OtherCalendarsDropEraLettersInEastAsianLanguages) {
  for (int language : {kLangChinese, kLangJapanese, kLangKorean}) {
    EXPECT_EQ(TranslateDateFormat("gg yyyy/MM/dd", 1, language), " yyyy/MM/dd") << language;
    EXPECT_EQ(TranslateDateFormat("GgyG'g'", 2, language), "y''") << language;
  }
  for (int calendar : {0, 1, 2, 6}) {
    EXPECT_EQ(TranslateDateFormat("gg yyyy/MM/dd", calendar, kLangEnglish), "gg yyyy/MM/dd");
  }
}

TEST(BuildTimeFormats, DesignatorOnlyOnTheTwelveHourClock) {
  struct Case {
    bool twelveHour, first;
    const char* hourForm;
    const char* shortFormat;
    const char* longFormat;
  };
  const Case cases[] = {
      {true, false, "h", "h:mm AMPM", "h:mm:ss AMPM"},
      {true, true, "hh", "AMPM hh:mm", "AMPM hh:mm:ss"},
      {false, false, "h", "h:mm", "h:mm:ss"},
      {false, true, "hh", "hh:mm", "hh:mm:ss"},
  };
  for (const Case& c : cases) {
    DateSettingsRecord s;
    s.twelveHourClock = c.twelveHour;
    s.designatorFirst = c.first;
    s.hourForm = c.hourForm;
    BuildTimeFormats(s);
    EXPECT_EQ(s.shortTimeFormat, c.shortFormat);
    EXPECT_EQ(s.longTimeFormat, c.longFormat);
  }
  const DateSettingsRecord defaults;
  EXPECT_EQ(defaults.longTimeFormat, "h:mm:ss AMPM");
}

// Sets an environment variable for the scope of a test, on builds where the locale comes
// from the environment.
class EnvironmentScope {
 public:
  EnvironmentScope(const char* name, const char* value) : name_(name) {
#ifndef _WIN32
    if (const char* old = std::getenv(name)) saved_ = old;
    setenv(name, value, 1);
#else
    (void)value;
#endif
  }
  ~EnvironmentScope() {
#ifndef _WIN32
    if (saved_) {
      setenv(name_, saved_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
#endif
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(ReadDateSettings, JapaneseLocale) {
  datetest::SettingsScope restore(DateSettings);
  {
    EnvironmentScope japanese("LC_ALL", "ja_JP.UTF-8");
    ReadDateSettings();  // a second reading: it takes the user's locale afresh
    const DateSettingsRecord& s = DateSettings;
    // Windows writes the month and day with two digits; Wine's Japanese locale with one.
    EXPECT_TRUE(s.shortDateFormat == "yyyy/MM/dd" || s.shortDateFormat == "yyyy/M/d")
        << s.shortDateFormat;
    EXPECT_EQ(s.dateSeparator, '/');
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_EQ(s.decimalSeparator, '.');
    EXPECT_EQ(s.hourForm, "h");
    EXPECT_FALSE(s.twelveHourClock);
    EXPECT_EQ(s.shortTimeFormat, "h:mm");
    EXPECT_EQ(s.longTimeFormat, "h:mm:ss");
    EXPECT_EQ(s.primaryLanguage, kLangJapanese);
    EXPECT_EQ(s.amDesignator, "午前");
    EXPECT_EQ(s.pmDesignator, "午後");
    EXPECT_EQ(s.longMonthNames[0], "1月");
    EXPECT_EQ(s.shortDayNames[0], "日");
    EXPECT_EQ(s.longDayNames[6], "土曜日");
    EXPECT_EQ(s.shortDateFormat.find_first_of("gG"), std::string::npos);

    const double value = datetest::Value(2001, 5, 6, 9, 5, 4);
    const std::string text = FormatDateText(value);
    EXPECT_EQ(text, s.shortDateFormat == "yyyy/MM/dd" ? "2001/05/06 9:05:04" : "2001/5/6 9:05:04");
    EXPECT_EQ(ParseDateText(text), value);
  }
  platform::SetThreadLocaleToUserDefault();
}

// Where the locale gives no items at all, every item takes its default.
TEST(ReadDateSettings, DefaultsForMissingItems) {
#ifdef _WIN32
  GTEST_SKIP() << "the thread locale of this process always has its items";
#else
  datetest::SettingsScope restore(DateSettings);
  {
    EnvironmentScope english("LC_ALL", "C");
    ReadDateSettings();
    const DateSettingsRecord defaults;
    const DateSettingsRecord& s = DateSettings;
    EXPECT_EQ(s.shortDateFormat, "m/d/yy");
    EXPECT_EQ(s.longDateFormat, "mmmm d, yyyy");
    EXPECT_EQ(s.dateSeparator, '/');
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_EQ(s.decimalSeparator, '.');
    EXPECT_EQ(s.amDesignator, "am");
    EXPECT_EQ(s.pmDesignator, "pm");
    EXPECT_EQ(s.longTimeFormat, "h:mm:ss AMPM");
    EXPECT_EQ(s.shortTimeFormat, "h:mm AMPM");
    EXPECT_EQ(s.shortMonthNames, defaults.shortMonthNames);
    EXPECT_EQ(s.longMonthNames[11], "December");
    EXPECT_EQ(s.shortDayNames[0], "Sun");
    EXPECT_EQ(s.longDayNames[6], "Saturday");
    EXPECT_EQ(FormatDateText(datetest::Value(2001, 5, 6, 21, 5, 4)), "5/6/01 9:05:04 pm");
  }
  platform::SetThreadLocaleToUserDefault();
#endif
}

}  // namespace
