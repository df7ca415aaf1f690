// Locale services on Linux. The locale is Japanese or not, decided from the environment's
// LC_TIME locale; a Japanese locale gives the texts that Windows gives for ja-JP, any other
// gives no text at all, so the program's defaults apply. Texts are UTF-8 here; the lead bytes
// are those of code page 932 while tests put it in force.
#include "platform/locale.h"

#include <cstdlib>
#include <map>

#include "platform/hooks.h"

namespace platform {
namespace {

constexpr LocaleId kJapanese = 0x0411;
constexpr LocaleId kEnglishUs = 0x0409;
constexpr LocaleId kUserDefault = 0x0400;
constexpr LocaleId kSystemDefault = 0x0800;
constexpr uint32_t kLangJapanese = 0x11;

LocaleId LocaleFromEnvironment() {
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::string(value).starts_with("ja_JP") ? kJapanese : kEnglishUs;
  }
  return kEnglishUs;
}

LocaleId& CurrentLocale() {
  static LocaleId locale = LocaleFromEnvironment();
  return locale;
}

const std::map<uint32_t, std::string>& JapaneseTexts() {
  static const std::map<uint32_t, std::string> texts = [] {
    std::map<uint32_t, std::string> t = {
        {kLocaleSDecimal, "."},
        {kLocaleSDate, "/"},
        {kLocaleSTime, ":"},
        {kLocaleSShortDate, "yyyy/MM/dd"},
        {kLocaleSLongDate, "yyyy'年'M'月'd'日'"},
        {kLocaleITime, "1"},
        {kLocaleITLZero, "0"},
        {kLocaleS1159, "午前"},
        {kLocaleS2359, "午後"},
        {kLocaleITimeMarkPosn, "1"},
        {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"},  // no era calendar here
    };
    static const char* const kDays[] = {"月", "火", "水", "木", "金", "土", "日"};  // Monday first
    for (uint32_t i = 0; i < 7; ++i) {
      t[kLocaleSAbbrevDayName1 + i] = kDays[i];
      t[kLocaleSDayName1 + i] = std::string(kDays[i]) + "曜日";
    }
    for (uint32_t i = 0; i < 12; ++i) {
      t[kLocaleSMonthName1 + i] = std::to_string(i + 1) + "月";
      t[kLocaleSAbbrevMonthName1 + i] = std::to_string(i + 1) + "月";
    }
    return t;
  }();
  return texts;
}

}  // namespace

LocaleId ThreadLocale() { return CurrentLocale(); }

void SetThreadLocaleToUserDefault() { CurrentLocale() = LocaleFromEnvironment(); }

std::optional<std::string> LocaleText(LocaleId locale, uint32_t item, int bufferSize) {
  if (locale == 0 || locale == kUserDefault || locale == kSystemDefault)
    locale = LocaleFromEnvironment();
  if ((locale & 0x3FF) != kLangJapanese) return std::nullopt;
  auto found = JapaneseTexts().find(item);
  if (found == JapaneseTexts().end()) return std::nullopt;
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
