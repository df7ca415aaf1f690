// Locale services on Linux. The locale is decided from the environment's LC_TIME locale:
// Japanese, US English, British English and German give the date and time items that Windows
// gives for ja-JP, en-US, en-GB and de-DE; any other gives no text at all, so that the
// program's defaults apply. Texts are UTF-8 here; the lead bytes are those of code page 932
// while tests put it in force.
#include "platform/locale.h"

#include <array>
#include <cstdlib>
#include <map>

#include "platform/hooks.h"

namespace platform {
namespace {

constexpr LocaleId kJapanese = 0x0411;
constexpr LocaleId kEnglishUs = 0x0409;
constexpr LocaleId kEnglishUk = 0x0809;
constexpr LocaleId kGerman = 0x0407;
constexpr LocaleId kInvariant = 0x007F;  // C, POSIX and the locales without items here
constexpr LocaleId kUserDefault = 0x0400;
constexpr LocaleId kSystemDefault = 0x0800;

LocaleId LocaleFromEnvironment() {
  static const std::pair<const char*, LocaleId> kKnown[] = {
      {"ja_JP", kJapanese}, {"en_US", kEnglishUs}, {"en_GB", kEnglishUk}, {"de_DE", kGerman}};
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(name);
    if (!value || !*value) continue;
    for (const auto& [prefix, locale] : kKnown) {
      if (std::string(value).starts_with(prefix)) return locale;
    }
    return kInvariant;
  }
  return kInvariant;
}

LocaleId& CurrentLocale() {
  static LocaleId locale = LocaleFromEnvironment();
  return locale;
}

using Texts = std::map<uint32_t, std::string>;

// The items every locale here gives, with its names of the days (Monday first) and months.
Texts MakeTexts(Texts items, const std::array<const char*, 7>& days,
                const std::array<const char*, 7>& shortDays,
                const std::array<const char*, 12>& months,
                const std::array<const char*, 12>& shortMonths) {
  items[kLocaleICalendarType] = "1";
  items[kLocaleIOptionalCalendar] = "0";  // no era calendar here
  for (uint32_t i = 0; i < 7; ++i) {
    items[kLocaleSDayName1 + i] = days[i];
    items[kLocaleSAbbrevDayName1 + i] = shortDays[i];
  }
  for (uint32_t i = 0; i < 12; ++i) {
    items[kLocaleSMonthName1 + i] = months[i];
    items[kLocaleSAbbrevMonthName1 + i] = shortMonths[i];
  }
  return items;
}

constexpr std::array<const char*, 7> kEnglishDays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                     "Friday", "Saturday", "Sunday"};
constexpr std::array<const char*, 7> kEnglishShortDays = {"Mon", "Tue", "Wed", "Thu",
                                                          "Fri", "Sat", "Sun"};
constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 12> kEnglishShortMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const Texts& JapaneseTexts() {
  static const std::array<const char*, 12> kMonths = {"1月", "2月", "3月", "4月",  "5月",  "6月",
                                                      "7月", "8月", "9月", "10月", "11月", "12月"};
  static const Texts texts =
      MakeTexts({{kLocaleSDecimal, "."},
                 {kLocaleSDate, "/"},
                 {kLocaleSTime, ":"},
                 {kLocaleSShortDate, "yyyy/MM/dd"},
                 {kLocaleSLongDate, "yyyy'年'M'月'd'日'"},
                 {kLocaleITime, "1"},
                 {kLocaleITLZero, "0"},
                 {kLocaleS1159, "午前"},
                 {kLocaleS2359, "午後"},
                 {kLocaleITimeMarkPosn, "1"}},
                {"月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"},
                {"月", "火", "水", "木", "金", "土", "日"}, kMonths, kMonths);
  return texts;
}

const Texts& EnglishUsTexts() {
  static const Texts texts =
      MakeTexts({{kLocaleSDecimal, "."},
                 {kLocaleSDate, "/"},
                 {kLocaleSTime, ":"},
                 {kLocaleSShortDate, "M/d/yyyy"},
                 {kLocaleSLongDate, "dddd, MMMM d, yyyy"},
                 {kLocaleITime, "0"},
                 {kLocaleITLZero, "0"},
                 {kLocaleS1159, "AM"},
                 {kLocaleS2359, "PM"},
                 {kLocaleITimeMarkPosn, "0"}},
                kEnglishDays, kEnglishShortDays, kEnglishMonths, kEnglishShortMonths);
  return texts;
}

const Texts& EnglishUkTexts() {
  static const Texts texts =
      MakeTexts({{kLocaleSDecimal, "."},
                 {kLocaleSDate, "/"},
                 {kLocaleSTime, ":"},
                 {kLocaleSShortDate, "dd/MM/yyyy"},
                 {kLocaleSLongDate, "dd MMMM yyyy"},
                 {kLocaleITime, "1"},
                 {kLocaleITLZero, "1"},
                 {kLocaleS1159, "am"},
                 {kLocaleS2359, "pm"},
                 {kLocaleITimeMarkPosn, "0"}},
                kEnglishDays, kEnglishShortDays, kEnglishMonths, kEnglishShortMonths);
  return texts;
}

const Texts& GermanTexts() {
  static const Texts texts = MakeTexts(
      {{kLocaleSDecimal, ","},
       {kLocaleSDate, "."},
       {kLocaleSTime, ":"},
       {kLocaleSShortDate, "dd.MM.yyyy"},
       {kLocaleSLongDate, "dddd, d. MMMM yyyy"},
       {kLocaleITime, "1"},
       {kLocaleITLZero, "1"},
       {kLocaleS1159, "AM"},
       {kLocaleS2359, "PM"},
       {kLocaleITimeMarkPosn, "0"}},
      {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
      {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
      {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
       "Oktober", "November", "Dezember"},
      {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"});
  return texts;
}

const Texts* TextsOf(LocaleId locale) {
  switch (locale & 0xFFFF) {
    case kJapanese:
      return &JapaneseTexts();
    case kEnglishUs:
      return &EnglishUsTexts();
    case kEnglishUk:
      return &EnglishUkTexts();
    case kGerman:
      return &GermanTexts();
    default:
      return nullptr;
  }
}

}  // namespace

LocaleId ThreadLocale() { return CurrentLocale(); }

void SetThreadLocaleToUserDefault() { CurrentLocale() = LocaleFromEnvironment(); }

std::optional<std::string> LocaleText(LocaleId locale, uint32_t item, int bufferSize) {
  if (locale == 0 || locale == kUserDefault || locale == kSystemDefault)
    locale = LocaleFromEnvironment();
  const Texts* texts = TextsOf(locale);
  if (!texts) return std::nullopt;
  auto found = texts->find(item);
  if (found == texts->end()) return std::nullopt;
  // Like GetLocaleInfoA, a text that does not fit with its terminating zero is not given.
  if (bufferSize <= 0 || found->second.size() + 1 > static_cast<size_t>(bufferSize))
    return std::nullopt;
  return found->second;
}

bool IsDoubleByteSystem() { return hooks::ansiCodePage932; }

std::vector<std::pair<uint8_t, uint8_t>> LeadByteRanges() {
  if (hooks::ansiCodePage932) return {{0x81, 0x9F}, {0xE0, 0xFC}};
  return {};
}

std::vector<Era> CalendarEras(LocaleId, int) { return {}; }

std::optional<std::string> FormatAltCalendarDate(const SystemTime&, const std::string&) {
  return std::nullopt;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace platform
