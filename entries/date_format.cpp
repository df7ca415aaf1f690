#include "entries/date_format.h"

#include <algorithm>
#include <cstring>

#include "entries/code_page.h"
#include "entries/date_settings.h"
#include "entries/date_value.h"
#include "platform/locale.h"
#include "platform/utf.h"

namespace {

constexpr size_t kMaxText = 256;
constexpr int kMaxLevels = 2;

char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Whether `word` (upper case) stands at `at`, compared without regard to case.
bool MatchesAt(const std::string& text, size_t at, const char* word) {
  const size_t length = std::strlen(word);
  if (text.size() - std::min(at, text.size()) < length) return false;
  for (size_t k = 0; k < length; ++k) {
    if (ToUpperAscii(text[at + k]) != word[k]) return false;
  }
  return true;
}

bool AmPmElementAt(const std::string& text, size_t at) {
  return MatchesAt(text, at, "AM/PM") || MatchesAt(text, at, "A/P") || MatchesAt(text, at, "AMPM");
}

// The byte length of the (UTF-8) character that starts at `at`.
size_t CharLength(const std::string& text, size_t at) {
  size_t next = at;
  platform::NextCodePoint(text, next);
  return next - at;
}

class Expander {
 public:
  Expander(double value, bool fullYears) : fields_(DecodeDateTime(value)), fullYears_(fullYears) {}

  void Expand(const std::string& pattern);
  const std::string& Result() const { return out_; }

 private:
  // The text is cut at kMaxText bytes, before a character that would not fit whole.
  void Append(const char* bytes, size_t count) {
    size_t room = std::min(count, kMaxText - out_.size());
    while (room > 0 && room < count && (static_cast<unsigned char>(bytes[room]) & 0xC0) == 0x80)
      --room;
    out_.append(bytes, room);
  }
  void Append(const std::string& text) { Append(text.data(), text.size()); }
  void AppendNumber(int number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    Append(digits);
  }
  // Whether the hour written at `from` (just after its h run) takes the 12-hour clock
  // because an AM/PM element follows before the next h.
  static bool AmPmFollows(const std::string& pattern, size_t from);
  std::string EraName(int count) const;
  std::string EraYear(int count) const;
  platform::SystemTime Date() const;
  const std::string& MonthName(const std::array<std::string, 12>& names) const;

  DateTimeFields fields_;
  const bool fullYears_;
  std::string out_;
  int level_ = 0;
};

bool Expander::AmPmFollows(const std::string& pattern, size_t from) {
  bool inQuotes = false;
  size_t p = from;
  while (p < pattern.size()) {
    const char c = pattern[p];
    if (c == 'h' || c == 'H') return false;
    if ((c == 'a' || c == 'A') && !inQuotes) return AmPmElementAt(pattern, p);
    if (c == '\'' || c == '"') inQuotes = !inQuotes;
    ++p;
  }
  return false;
}

platform::SystemTime Expander::Date() const {
  platform::SystemTime date;
  date.year = static_cast<uint16_t>(fields_.year);
  date.month = static_cast<uint16_t>(fields_.month);
  date.day = static_cast<uint16_t>(fields_.day);
  date.dayOfWeek = static_cast<uint16_t>(fields_.dayOfWeek);
  return date;
}

std::string Expander::EraYear(int count) const {
  std::string year =
      platform::FormatAltCalendarDate(Date(), count <= 2 ? "yy" : "yyyy").value_or("");
  if (count == 1 && !year.empty() && year[0] == '0') year.erase(0, 1);
  return year;
}

std::string Expander::EraName(int count) const {
  const std::string name = platform::FormatAltCalendarDate(Date(), "gg").value_or("");
  if (count != 1 || name.empty()) return name;
  if (DateSettings.primaryLanguage == kLangJapanese) return name.substr(0, CharLength(name, 0));
  if (DateSettings.primaryLanguage == kLangChinese && DateSettings.subLanguage == 1) {
    // A four-character traditional Chinese era name is shortened to its last two characters.
    size_t starts[5] = {}, chars = 0, at = 0;
    while (at < name.size() && chars < 5) {
      starts[chars++] = at;
      at += CharLength(name, at);
    }
    if (chars == 4 && at == name.size()) return name.substr(starts[2]);
  }
  return name;
}

const std::string& Expander::MonthName(const std::array<std::string, 12>& names) const {
  static const std::string none;
  return fields_.month >= 1 && fields_.month <= 12 ? names[fields_.month - 1] : none;
}

void Expander::Expand(const std::string& f) {
  if (level_ >= kMaxLevels) return;
  ++level_;
  const DateSettingsRecord& s = DateSettings;
  char lastLetter = ' ';
  bool twelveHour = false;  // an AM/PM element has been written in this pattern
  size_t i = 0;
  while (i < f.size()) {
    const char starter = f[i];
    if (static_cast<unsigned char>(starter) >= 0x80) {
      // Characters that the ANSI code page writes with two bytes are dropped outside quotes
      // (the others are written as they stand, byte after byte).
      size_t next = i;
      if (IsDoubleByteCharacter(platform::NextCodePoint(f, next))) {
        i = next;
        lastLetter = ' ';
        continue;
      }
    }
    ++i;
    char token = ToUpperAscii(starter);
    if (token >= 'A' && token <= 'Z') {
      if (token == 'M' && lastLetter == 'H') token = 'N';
      lastLetter = token;
    }
    auto run = [&] {
      int count = 1;
      for (; i < f.size() && f[i] == starter; ++i) ++count;
      return count;
    };
    switch (token) {
      case 'Y': {
        const int count = run();
        if (count <= 2 && !fullYears_) {
          AppendNumber(fields_.year % 100, 2);
        } else {
          AppendNumber(fields_.year, 4);
        }
        break;
      }
      case 'G':
        Append(EraName(run()));
        break;
      case 'E':
        Append(EraYear(run()));
        break;
      case 'M': {
        const int count = run();
        if (count <= 2) {
          AppendNumber(fields_.month, count);
        } else {
          Append(MonthName(count == 3 ? s.shortMonthNames : s.longMonthNames));
        }
        break;
      }
      case 'D': {
        const int count = run();
        if (count <= 2) {
          AppendNumber(fields_.day, count);
        } else if (count == 3) {
          Append(s.shortDayNames[fields_.dayOfWeek]);
        } else if (count == 4) {
          Append(s.longDayNames[fields_.dayOfWeek]);
        } else {
          Expand(count == 5 ? s.shortDateFormat : s.longDateFormat);
        }
        break;
      }
      case 'H': {
        const int count = std::min(run(), 2);
        if (!twelveHour) twelveHour = AmPmFollows(f, i);
        int hour = fields_.hour;
        if (twelveHour) {
          if (hour == 0) {
            hour = 12;
          } else if (hour > 12) {
            hour -= 12;
          }
        }
        AppendNumber(hour, count);
        break;
      }
      case 'N':
        AppendNumber(fields_.minute, std::min(run(), 2));
        break;
      case 'S':
        AppendNumber(fields_.second, std::min(run(), 2));
        break;
      case 'Z':
        AppendNumber(fields_.milliseconds, std::min(run(), 3));
        break;
      case 'T':
        Expand(run() == 1 ? s.shortTimeFormat : s.longTimeFormat);
        break;
      case 'A': {
        const size_t at = i - 1;
        const bool afterNoon = fields_.hour >= 12;
        if (MatchesAt(f, at, "AM/PM")) {
          Append(f.data() + at + (afterNoon ? 3 : 0), 2);
          i += 4;
          twelveHour = true;
        } else if (MatchesAt(f, at, "A/P")) {
          Append(f.data() + at + (afterNoon ? 2 : 0), 1);
          i += 2;
          twelveHour = true;
        } else if (MatchesAt(f, at, "AMPM")) {
          Append(afterNoon ? s.pmDesignator : s.amDesignator);
          i += 3;
          twelveHour = true;
        } else if (MatchesAt(f, at, "AAAA")) {
          Append(s.longDayNames[fields_.dayOfWeek]);
          i += 3;
        } else if (MatchesAt(f, at, "AAA")) {
          Append(s.shortDayNames[fields_.dayOfWeek]);
          i += 2;
        } else {
          Append(&starter, 1);
        }
        break;
      }
      case 'C':
        run();
        Expand(s.shortDateFormat);
        if (fields_.hour != 0 || fields_.minute != 0 || fields_.second != 0) {
          Append(" ");
          Expand(s.longTimeFormat);
        }
        break;
      case '/':
        if (s.dateSeparator != '\0') Append(&s.dateSeparator, 1);
        break;
      case ':':
        if (s.timeSeparator != '\0') Append(&s.timeSeparator, 1);
        break;
      case '\'':
      case '"': {
        const size_t start = i;
        while (i < f.size() && f[i] != starter) i += CharLength(f, i);
        Append(f.data() + start, i - start);
        if (i < f.size()) ++i;
        break;
      }
      default:
        Append(&starter, 1);
        break;
    }
  }
  --level_;
}

}  // namespace

std::string ApplyDateFormat(const std::string& pattern, double value) {
  Expander expander(value, false);
  expander.Expand(pattern);
  return expander.Result();
}

std::string FormatDateText(double value) { return ApplyDateFormat("C", value); }

std::string FullYearDateText(double value) {
  Expander expander(value, true);
  expander.Expand("C");
  return expander.Result();
}
