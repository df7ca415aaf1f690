#include "entries/date_settings.h"

#include <optional>

DateSettingsRecord DateSettings;

namespace {

constexpr int kTextBuffer = 256;
constexpr int kCharBuffer = 2;  // one byte and the terminating zero
constexpr size_t kMaxEras = 7;

// A whole decimal integer, optionally signed and after leading blanks; 0 for anything else.
int ToInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return 0;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
    if (value > 0x7FFFFFFF) return 0;
  }
  return static_cast<int>(negative ? -value : value);
}

class LocaleReader {
 public:
  explicit LocaleReader(platform::LocaleId locale) : locale_(locale) {}

  std::string Text(uint32_t item, const char* fallback) const {
    return platform::LocaleText(locale_, item, kTextBuffer).value_or(fallback);
  }
  // An empty text counts as missing as well.
  std::string Name(uint32_t item, const std::string& fallback) const {
    const std::optional<std::string> text = platform::LocaleText(locale_, item, kTextBuffer);
    return text && !text->empty() ? *text : fallback;
  }
  char Char(uint32_t item, char fallback) const {
    const std::optional<std::string> text = platform::LocaleText(locale_, item, kCharBuffer);
    if (!text) return fallback;
    return text->empty() ? '\0' : (*text)[0];
  }
  int Number(uint32_t item, const char* fallback) const { return ToInteger(Text(item, fallback)); }
  std::string DateFormat(uint32_t item, const char* fallback, int primaryLanguage) const {
    const std::string format = Text(item, fallback);
    return TranslateDateFormat(format, Number(platform::kLocaleICalendarType, "1"),
                               primaryLanguage);
  }

 private:
  platform::LocaleId locale_;
};

std::string TranslateEraFormat(const std::string& format) {
  auto startsWith = [&](size_t at, const char* word) {
    for (size_t k = 0; word[k] != '\0'; ++k) {
      if (at + k >= format.size()) return false;
      const char c = format[at + k];
      if ((c | 0x20) != word[k]) return false;
    }
    return true;
  };
  std::string result;
  size_t i = 0;
  while (i < format.size()) {
    if (startsWith(i, "gg")) {
      result += "ggg";
      i += 2;
    } else if (startsWith(i, "yyyy")) {
      result += "eeee";
      i += 4;
    } else if (startsWith(i, "yy")) {
      result += "ee";
      i += 2;
    } else if (format[i] == 'y' || format[i] == 'Y') {
      result += 'e';
      ++i;
    } else {
      result += format[i++];
    }
  }
  return result;
}

}  // namespace

std::string TranslateDateFormat(const std::string& format, int calendarType, int primaryLanguage) {
  if (IsEraCalendar(calendarType)) return TranslateEraFormat(format);
  if (primaryLanguage != kLangChinese && primaryLanguage != kLangJapanese &&
      primaryLanguage != kLangKorean) {
    return format;
  }
  // Every g goes: no byte of a UTF-8 character is one.
  std::string result;
  for (char c : format) {
    if (c != 'g' && c != 'G') result += c;
  }
  return result;
}

void BuildTimeFormats(DateSettingsRecord& settings) {
  std::string prefix, postfix;
  if (settings.twelveHourClock) {
    if (settings.designatorFirst) {
      prefix = "AMPM ";
    } else {
      postfix = " AMPM";
    }
  }
  settings.shortTimeFormat = prefix + settings.hourForm + ":mm" + postfix;
  settings.longTimeFormat = prefix + settings.hourForm + ":mm:ss" + postfix;
}

void ReadDateSettings() {
  static bool readBefore = false;
  if (readBefore) platform::SetThreadLocaleToUserDefault();
  readBefore = true;

  DateSettingsRecord s;
  const platform::LocaleId locale = platform::ThreadLocale();
  if (locale != 0) {
    s.primaryLanguage = static_cast<int>(locale & 0x3FF);
    s.subLanguage = static_cast<int>((locale >> 10) & 0x3F);
  }
  s.doubleByteSystem = platform::IsDoubleByteSystem();

  const LocaleReader read(locale);
  for (uint32_t m = 0; m < 12; ++m) {
    s.shortMonthNames[m] = read.Name(platform::kLocaleSAbbrevMonthName1 + m, s.shortMonthNames[m]);
    s.longMonthNames[m] = read.Name(platform::kLocaleSMonthName1 + m, s.longMonthNames[m]);
  }
  for (uint32_t d = 0; d < 7; ++d) {
    const uint32_t fromMonday = (d + 6) % 7;  // the locale's day names begin with Monday
    s.shortDayNames[d] =
        read.Name(platform::kLocaleSAbbrevDayName1 + fromMonday, s.shortDayNames[d]);
    s.longDayNames[d] = read.Name(platform::kLocaleSDayName1 + fromMonday, s.longDayNames[d]);
  }
  if (s.doubleByteSystem) {
    const int calendar = read.Number(platform::kLocaleIOptionalCalendar, "1");
    if (IsEraCalendar(calendar)) {
      s.eras = platform::CalendarEras(locale, calendar);
      if (s.eras.size() > kMaxEras) s.eras.resize(kMaxEras);
    }
  }

  s.decimalSeparator = read.Char(platform::kLocaleSDecimal, '.');
  s.dateSeparator = read.Char(platform::kLocaleSDate, '/');
  s.shortDateFormat = read.DateFormat(platform::kLocaleSShortDate, "m/d/yy", s.primaryLanguage);
  s.longDateFormat = read.DateFormat(platform::kLocaleSLongDate, "mmmm d, yyyy", s.primaryLanguage);
  s.timeSeparator = read.Char(platform::kLocaleSTime, ':');
  s.amDesignator = read.Text(platform::kLocaleS1159, "am");
  s.pmDesignator = read.Text(platform::kLocaleS2359, "pm");
  s.hourForm = read.Number(platform::kLocaleITLZero, "0") != 0 ? "hh" : "h";
  s.twelveHourClock = read.Number(platform::kLocaleITime, "0") == 0;
  s.designatorFirst = read.Number(platform::kLocaleITimeMarkPosn, "0") != 0;
  BuildTimeFormats(s);

  DateSettings = std::move(s);
}
