#include "platform/locale.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/code_page_932.h"

namespace {

// Sets the environment's locale for the time of a test and puts the old one back (Linux);
// Windows reads the locale of the session and ignores it.
class LocaleEnvironment {
 public:
  explicit LocaleEnvironment(const char* locale) {
#ifndef _WIN32
    for (Saved& saved : saved_) {
      const char* value = std::getenv(saved.name);
      saved.had = value != nullptr;
      if (value) saved.value = value;
    }
    setenv("LC_ALL", locale, 1);
    setenv("LC_TIME", locale, 1);
#else
    (void)locale;
#endif
    platform::SetThreadLocaleToUserDefault();
  }
  ~LocaleEnvironment() {
#ifndef _WIN32
    for (const Saved& saved : saved_) {
      if (saved.had)
        setenv(saved.name, saved.value.c_str(), 1);
      else
        unsetenv(saved.name);
    }
#endif
    platform::SetThreadLocaleToUserDefault();
  }

 private:
  struct Saved {
    const char* name;
    bool had = false;
    std::string value;
  };
  Saved saved_[3] = {{"LC_ALL", false, {}}, {"LC_TIME", false, {}}, {"LANG", false, {}}};
};

constexpr uint32_t kLangJapanese = 0x11;

TEST(LocaleText, GivesTheJapaneseDateAndTimeItems) {
  LocaleEnvironment japanese("ja_JP.UTF-8");
  const platform::LocaleId locale = platform::ThreadLocale();
  ASSERT_EQ(locale & 0x3FF, kLangJapanese);
  struct Case {
    uint32_t item;
    const char* text;
  };
  // Windows' ja-JP short date. Wine's own is "yyyy/M/d": a Wine prefix for the tests sets
  // HKCU\Control Panel\International sShortDate to Windows' value.
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleSShortDate, 256), "yyyy/MM/dd");
  const Case cases[] = {
      {platform::kLocaleSDate, "/"},
      {platform::kLocaleSTime, ":"},
      {platform::kLocaleSDecimal, "."},
      {platform::kLocaleS1159, "午前"},
      {platform::kLocaleS2359, "午後"},
      {platform::kLocaleITime, "1"},
      {platform::kLocaleITLZero, "0"},
      {platform::kLocaleICalendarType, "1"},
      {platform::kLocaleSMonthName1, "1月"},
      {platform::kLocaleSMonthName1 + 11, "12月"},
      {platform::kLocaleSAbbrevMonthName1 + 9, "10月"},
      {platform::kLocaleSDayName1, "月曜日"},
      {platform::kLocaleSDayName1 + 6, "日曜日"},
      {platform::kLocaleSAbbrevDayName1 + 5, "土"},
      {platform::kLocaleSAbbrevDayName1 + 6, "日"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::LocaleText(locale, c.item, 256), std::optional<std::string>(c.text))
        << std::hex << c.item;
  }
}

TEST(LocaleText, GivesNothingThatDoesNotFitTheBuffer) {
  LocaleEnvironment japanese("ja_JP.UTF-8");
  const platform::LocaleId locale = platform::ThreadLocale();
  // Separators are read into two bytes: one character and the terminating zero.
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleSDate, 2), "/");
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleSDate, 1), std::nullopt);
  const std::string pm = "午後";  // two double-byte characters: more than one byte
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleS2359, 2), std::nullopt);
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleS2359, static_cast<int>(pm.size())),
            std::nullopt);
  EXPECT_EQ(platform::LocaleText(locale, platform::kLocaleS2359, static_cast<int>(pm.size() + 1)),
            pm);
}

#ifndef _WIN32
TEST(LocaleText, GivesNothingInALocaleWithoutItemsSoThatDefaultsApply) {
  for (const char* name : {"C", "POSIX", "fr_FR.UTF-8"}) {
    LocaleEnvironment other(name);
    const platform::LocaleId locale = platform::ThreadLocale();
    EXPECT_NE(locale, 0u);
    EXPECT_NE(locale & 0x3FF, kLangJapanese);
    for (uint32_t item : {platform::kLocaleSShortDate, platform::kLocaleSDate,
                          platform::kLocaleS1159, platform::kLocaleSMonthName1})
      EXPECT_EQ(platform::LocaleText(locale, item, 256), std::nullopt) << name << " " << item;
  }
}

// The items that date texts are written and read with, as Windows gives them.
TEST(LocaleText, GivesTheDateItemsOfUsAndBritishEnglishAndGerman) {
  struct Case {
    const char* name;
    platform::LocaleId id;
    const char* shortDate;
    const char* dateSeparator;
    const char* twelveHour;  // iTime 0
    const char* leadingZero;
    const char* am;
    const char* march;
  };
  const Case cases[] = {
      {"en_US.UTF-8", 0x0409, "M/d/yyyy", "/", "0", "0", "AM", "March"},
      {"en_GB.UTF-8", 0x0809, "dd/MM/yyyy", "/", "1", "1", "am", "March"},
      {"de_DE.UTF-8", 0x0407, "dd.MM.yyyy", ".", "1", "1", "AM", "März"},
  };
  for (const Case& c : cases) {
    LocaleEnvironment environment(c.name);
    const platform::LocaleId locale = platform::ThreadLocale();
    EXPECT_EQ(locale, c.id) << c.name;
    auto text = [&](uint32_t item) { return platform::LocaleText(locale, item, 256); };
    EXPECT_EQ(text(platform::kLocaleSShortDate), c.shortDate) << c.name;
    EXPECT_EQ(text(platform::kLocaleSDate), c.dateSeparator) << c.name;
    EXPECT_EQ(text(platform::kLocaleSTime), ":") << c.name;
    EXPECT_EQ(text(platform::kLocaleITime), c.twelveHour) << c.name;
    EXPECT_EQ(text(platform::kLocaleITLZero), c.leadingZero) << c.name;
    EXPECT_EQ(text(platform::kLocaleS1159), c.am) << c.name;
    EXPECT_EQ(text(platform::kLocaleSMonthName1 + 2), c.march) << c.name;
  }
}

TEST(ThreadLocale, FollowsLcTimeWhenLcAllIsUnset) {
  LocaleEnvironment restore("C");
  unsetenv("LC_ALL");
  setenv("LC_TIME", "ja_JP.UTF-8", 1);
  setenv("LANG", "en_US.UTF-8", 1);
  platform::SetThreadLocaleToUserDefault();
  EXPECT_EQ(platform::ThreadLocale() & 0x3FF, kLangJapanese);
}
#endif

TEST(LeadByteRanges, AreThoseOfTheAnsiCodePage) {
#ifndef _WIN32
  EXPECT_FALSE(platform::IsDoubleByteSystem());  // UTF-8 has no lead bytes in this sense
  EXPECT_TRUE(platform::LeadByteRanges().empty());
#endif
  // Shift-JIS (code page 932), the code page the program serves.
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  EXPECT_TRUE(platform::IsDoubleByteSystem());
  using Range = std::pair<uint8_t, uint8_t>;
  EXPECT_EQ(platform::LeadByteRanges(), (std::vector<Range>{{0x81, 0x9F}, {0xE0, 0xFC}}));
}

// The Japanese era calendar (3), where the system has one, names its eras in UTF-8.
TEST(CalendarEras, NameTheErasAsThemselves) {
  const std::vector<platform::Era> eras = platform::CalendarEras(platform::ThreadLocale(), 3);
  if (eras.empty()) GTEST_SKIP() << "the system gives no Japanese eras here";
  bool reiwa = false;
  for (const platform::Era& era : eras)
    reiwa = reiwa || (era.name == "令和" && era.yearOffset == 2019);
  EXPECT_TRUE(reiwa);
}

TEST(EqualIgnoringCase, FoldsLettersOnly) {
  EXPECT_TRUE(platform::EqualIgnoringCase("Readme.HTML", "README.html"));
  EXPECT_TRUE(platform::EqualIgnoringCase("", ""));
  EXPECT_TRUE(platform::EqualIgnoringCase("フォルダ", "フォルダ"));
  EXPECT_FALSE(platform::EqualIgnoringCase("abc", "abd"));
  EXPECT_FALSE(platform::EqualIgnoringCase("abc", "abcd"));
  EXPECT_FALSE(platform::EqualIgnoringCase("a-b", "a_b"));
}

}  // namespace
