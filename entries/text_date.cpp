#include "entries/text_date.h"

#include "entries/date_value.h"

namespace {

// The text still to be read.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Digits(int count, int& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
      if (at_ >= text_.size() || text_[at_] < '0' || text_[at_] > '9') return false;
      value = value * 10 + (text_[at_++] - '0');
    }
    return true;
  }
  bool Is(char c) const { return at_ < text_.size() && text_[at_] == c; }
  bool Take(char c) {
    if (!Is(c)) return false;
    ++at_;
    return true;
  }
  bool TakeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  void SkipSpaces() {
    while (Is(' ')) ++at_;
  }
  bool AtEnd() const { return at_ == text_.size(); }

 private:
  std::string_view text_;
  size_t at_ = 0;
};

bool Fill(int year, int month, int day, int hour, int minute, int second, ExifDate& date) {
  return TryClockFields(year, month, day, hour, minute, second, date.taken);
}

// "Z", or a sign, two digits of hours and, with or without a colon, two of minutes: less
// than a day.
bool Offset(Reader& r, bool colonAllowed, ExifDate& date) {
  if (r.Take('Z')) {
    date.hasOffset = true;
    date.offsetMinutes = 0;
    return true;
  }
  const int sign = r.Take('+') ? 1 : r.Take('-') ? -1 : 0;
  int hours, minutes = 0;
  if (sign == 0 || !r.Digits(2, hours)) return false;
  if (colonAllowed && r.Take(':')) {
    if (!r.Digits(2, minutes)) return false;
  } else if (!r.AtEnd() && !r.Is(' ') && !r.Digits(2, minutes)) {
    return false;
  }
  if (hours > 23 || minutes > 59) return false;
  date.hasOffset = true;
  date.offsetMinutes = sign * (hours * 60 + minutes);
  return true;
}

constexpr std::string_view kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::string_view kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

}  // namespace

bool ParseIsoDateText(std::string_view text, ExifDate& date) {
  Reader r(text);
  r.SkipSpaces();
  int year, month, day, hour, minute, second;
  if (!r.Digits(4, year)) return false;
  const char separator = r.Is(':') ? ':' : '-';
  if (!r.Take(separator) || !r.Digits(2, month) || !r.Take(separator) || !r.Digits(2, day) ||
      !(r.Take('T') || r.Take(' ')) || !r.Digits(2, hour) || !r.Take(':') || !r.Digits(2, minute) ||
      !r.Take(':') || !r.Digits(2, second)) {
    return false;
  }
  if (r.Take('.') || r.Take(',')) {
    int digit;
    if (!r.Digits(1, digit)) return false;
    while (r.Digits(1, digit)) {
    }
  }
  ExifDate read;
  if (!r.AtEnd() && !r.Is(' ') && !Offset(r, true, read)) return false;
  r.SkipSpaces();
  if (!r.AtEnd() || !Fill(year, month, day, hour, minute, second, read)) return false;
  date = read;
  return true;
}

bool ParseRfc1123DateText(std::string_view text, ExifDate& date) {
  Reader r(text);
  r.SkipSpaces();
  for (std::string_view name : kDays) {
    if (r.TakeWord(name)) {
      if (!r.Take(',')) return false;
      r.SkipSpaces();
      break;
    }
  }
  int year, month = 0, day, more, hour, minute, second;
  if (!r.Digits(1, day)) return false;
  if (r.Digits(1, more)) day = day * 10 + more;
  if (!r.Take(' ')) return false;
  for (int i = 0; i < 12 && month == 0; ++i) {
    if (r.TakeWord(kMonths[i])) month = i + 1;
  }
  if (month == 0 || !r.Take(' ') || !r.Digits(4, year) || !r.Take(' ') || !r.Digits(2, hour) ||
      !r.Take(':') || !r.Digits(2, minute) || !r.Take(':') || !r.Digits(2, second) ||
      !r.Take(' ')) {
    return false;
  }
  ExifDate read;
  if (r.TakeWord("GMT") || r.TakeWord("UTC") || r.TakeWord("UT")) {
    read.hasOffset = true;
  } else if (!Offset(r, false, read)) {
    return false;
  }
  r.SkipSpaces();
  if (!r.AtEnd() || !Fill(year, month, day, hour, minute, second, read)) return false;
  date = read;
  return true;
}
