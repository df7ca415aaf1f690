#include "entries/date_parse.h"

#include <algorithm>
#include <cstdlib>

#include "core/errors.h"
#include "entries/date_settings.h"
#include "entries/date_value.h"
#include "platform/locale.h"
#include "platform/time.h"
#include "platform/utf.h"

namespace {

// Two-digit years fall within this many years before and after the current year.
constexpr int kCenturyWindow = 50;

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Scanning over a text with positions counted from 1, as the date text rules count them.
class Scanner {
 public:
  Scanner(const std::string& text, int& pos) : text_(text), pos_(pos) {}

  bool AtEnd() const { return pos_ > Length(); }
  char At(int pos) const { return text_[pos - 1]; }
  int Length() const { return static_cast<int>(text_.size()); }
  int& Pos() { return pos_; }

  void SkipBlanks() {
    while (pos_ <= Length() && At(pos_) == ' ') ++pos_;
  }
  // Up to four significant digits: digits are taken while the value is below 1000.
  bool Number(int& value, int& digits) {
    SkipBlanks();
    int i = pos_, n = 0;
    while (i <= Length() && IsDigit(At(i)) && n < 1000) n = n * 10 + (At(i++) - '0');
    if (i == pos_) return false;
    digits = i - pos_;
    pos_ = i;
    value = n;
    return true;
  }
  bool Number(int& value) {
    int digits;
    return Number(value, digits);
  }
  bool Char(char c) {
    SkipBlanks();
    if (pos_ > Length() || At(pos_) != c) return false;
    ++pos_;
    return true;
  }
  // Whether the text at pos begins with `word`, without regard to case.
  bool StartsWith(int pos, const std::string& word) const {
    const std::string here = pos <= Length() ? text_.substr(pos - 1, word.size()) : std::string();
    return platform::EqualIgnoringCase(word, here);
  }
  bool Designator(const std::string& word) {
    if (word.empty()) return false;
    SkipBlanks();
    if (!StartsWith(pos_, word)) return false;
    pos_ += static_cast<int>(word.size());
    return true;
  }
  // Passes over one (UTF-8) character; a byte that starts none is one of its own.
  void SkipChar() {
    size_t at = static_cast<size_t>(pos_ - 1);
    platform::NextCodePoint(text_, at);
    pos_ = static_cast<int>(at) + 1;
  }
  void SkipToDigit() {
    while (pos_ <= Length() && !IsDigit(At(pos_))) SkipChar();
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

 private:
  const std::string& text_;
  int& pos_;
};

DateOrder DateOrderOf(const std::string& format) {
  for (char c : format) {
    switch (c & 0xDF) {
      case 'E':
      case 'Y':
        return DateOrder::YearMonthDay;
      case 'M':
        return DateOrder::MonthDayYear;
      case 'D':
        return DateOrder::DayMonthYear;
    }
  }
  return DateOrder::MonthDayYear;
}

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// Whether `name` occurs in `era`, starting at a character boundary.
bool EraNameContains(const std::string& era, const std::string& name) {
  if (era.empty() || name.empty()) return false;
  for (size_t at = 0; at < era.size();) {
    if (era.compare(at, name.size(), name) == 0) return true;
    platform::NextCodePoint(era, at);
  }
  return false;
}

// Whether the format writes an era year (no byte of a UTF-8 character is an 'e').
bool HasEraYear(const std::string& format) { return format.find('e') != std::string::npos; }

int EraOffsetOf(const std::string& name) {
  for (const platform::Era& era : DateSettings.eras) {
    if (era.name.empty()) break;
    if (EraNameContains(era.name, name)) return era.yearOffset;
  }
  return 0;
}

int CurrentYear() { return platform::LocalTime().year; }

// The Gregorian year of a year written in an era that begins `offset` years on.
int EraToYear(int year, int offset) {
  if (DateSettings.primaryLanguage == kLangKorean) {
    const int magnitude = std::abs(offset);
    if (year < 100) year += (CurrentYear() + magnitude) / 100 * 100;
    return year - magnitude;
  }
  return year + offset - 1;
}

// A year written with one or two digits falls within the 50 years around the current year.
int CompleteTwoDigitYear(int year) {
  const int base = CurrentYear() - kCenturyWindow;
  year += base / 100 * 100;
  if (year < base) year += 100;
  return year;
}

// On a double-byte system a date format with a day name lets text (the day name) follow the
// date; it is passed over up to the time: the next digit, or the AM or PM designator.
void SkipDayName(Scanner& scan) {
  const DateSettingsRecord& s = DateSettings;
  if (!s.shortTimeFormat.empty() && Scanner::IsDigit(s.shortTimeFormat[0])) {
    scan.SkipToDigit();
    return;
  }
  auto designatorHere = [&](const std::string& designator) {
    return !designator.empty() && scan.StartsWith(scan.Pos(), designator);
  };
  auto timeHere = [&] {
    return Scanner::IsDigit(scan.At(scan.Pos())) || designatorHere(s.amDesignator) ||
           designatorHere(s.pmDesignator);
  };
  // An empty designator stands at every place: the day name is then one word.
  const bool oneWord = s.amDesignator.empty() || s.pmDesignator.empty();
  do {
    while (!scan.AtEnd() && scan.At(scan.Pos()) != ' ' && !timeHere()) scan.SkipChar();
    scan.SkipBlanks();
  } while (!scan.AtEnd() && !oneWord && !timeHere());
}

bool ScanAnyDesignator(Scanner& scan, int& baseHour) {
  const DateSettingsRecord& s = DateSettings;
  if (scan.Designator(s.amDesignator) || scan.Designator("AM")) {
    baseHour = 0;
    return true;
  }
  if (scan.Designator(s.pmDesignator) || scan.Designator("PM")) {
    baseHour = 12;
    return true;
  }
  return false;
}

}  // namespace

bool ScanDatePart(const std::string& text, int& pos, double& date) {
  const DateSettingsRecord& s = DateSettings;
  Scanner scan(text, pos);
  const DateOrder order = DateOrderOf(s.shortDateFormat);

  int eraOffset = 0;
  if (!s.shortDateFormat.empty() && s.shortDateFormat[0] == 'g') {
    scan.SkipToDigit();  // the era name written before the year
    eraOffset = EraOffsetOf(Trim(text.substr(0, std::min<size_t>(pos - 1, text.size()))));
  } else if (HasEraYear(s.shortDateFormat) && !s.eras.empty()) {
    eraOffset = s.eras[0].yearOffset;
  }

  int n1, n2, n3, digits1, digits2, digits3;
  if (!scan.Number(n1, digits1) || !scan.Char(s.dateSeparator) || !scan.Number(n2, digits2)) {
    return false;
  }
  int year, month, day;
  if (scan.Char(s.dateSeparator)) {
    if (!scan.Number(n3, digits3)) return false;
    int yearDigits;
    switch (order) {
      case DateOrder::MonthDayYear:
        year = n3, yearDigits = digits3, month = n1, day = n2;
        break;
      case DateOrder::DayMonthYear:
        year = n3, yearDigits = digits3, month = n2, day = n1;
        break;
      default:
        year = n1, yearDigits = digits1, month = n2, day = n3;
        break;
    }
    if (eraOffset > 0) {
      year = EraToYear(year, eraOffset);
    } else if (yearDigits <= 2) {
      year = CompleteTwoDigitYear(year);
    }
  } else {
    year = CurrentYear();
    if (order == DateOrder::DayMonthYear) {
      day = n1, month = n2;
    } else {
      month = n1, day = n2;
    }
  }
  scan.Char(s.dateSeparator);
  scan.SkipBlanks();
  if (s.doubleByteSystem && s.shortDateFormat.find("ddd") != std::string::npos) SkipDayName(scan);
  return TryEncodeDate(year, month, day, date);
}

bool ScanTimePart(const std::string& text, int& pos, double& time) {
  const DateSettingsRecord& s = DateSettings;
  Scanner scan(text, pos);
  int baseHour = -1;
  if (ScanAnyDesignator(scan, baseHour)) scan.SkipBlanks();
  int hour, minute = 0, second = 0, milliseconds = 0;
  if (!scan.Number(hour)) return false;
  // Each part comes only after the one before it; milliseconds only after the seconds.
  if (scan.Char(s.timeSeparator)) {
    if (!scan.Number(minute)) return false;
    if (scan.Char(s.timeSeparator)) {
      if (!scan.Number(second)) return false;
      if (scan.Char(s.decimalSeparator) && !scan.Number(milliseconds)) return false;
    }
  }
  if (baseHour < 0) ScanAnyDesignator(scan, baseHour);
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12) return false;
    if (hour == 12) hour = 0;
    hour += baseHour;
  }
  scan.SkipBlanks();
  return TryEncodeTime(hour, minute, second, milliseconds, time);
}

bool TryParseDateText(const std::string& text, double& value) {
  int pos = 1;
  double date = 0, time = 0;
  if (ScanDatePart(text, pos, date) &&
      (pos > static_cast<int>(text.size()) || ScanTimePart(text, pos, time))) {
    value = date >= 0 ? date + time : date - time;
    return true;
  }
  pos = 1;
  if (!ScanTimePart(text, pos, time) || pos <= static_cast<int>(text.size())) return false;
  value = time;
  return true;
}

double ParseDateText(const std::string& text) {
  double value = 0;
  if (TryParseDateText(text, value)) return value;
  throw EConvertError(FormatMessageText("'%s' は日付または時刻ではありません", text));
}
