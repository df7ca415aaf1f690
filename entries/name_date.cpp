#include "entries/name_date.h"

#include "entries/date_value.h"
#include "entries/path_kind.h"
#include "platform/time.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads `count` digits at `at` and moves past them.
bool Number(const std::string& text, size_t& at, size_t count, int& value) {
  value = 0;
  for (size_t end = at + count; at < end; ++at) {
    if (at >= text.size() || !IsDigit(text[at])) return false;
    value = value * 10 + (text[at] - '0');
  }
  return true;
}

bool Char(const std::string& text, size_t& at, const char* allowed, char& found) {
  if (at >= text.size()) return false;
  for (const char* c = allowed; *c; ++c) {
    if (text[at] == *c) {
      found = *c;
      ++at;
      return true;
    }
  }
  return false;
}

// Moves past `word` where it stands at `at`.
bool Word(const std::string& text, size_t& at, const std::string& word) {
  if (text.compare(at, word.size(), word) != 0) return false;
  at += word.size();
  return true;
}

bool Ends(const std::string& text, size_t at) { return at >= text.size() || !IsDigit(text[at]); }

struct Fields {
  int year, month, day, hour, minute, second;
};

// yyyyMMdd, '_' or '-', HHmmss and up to three more digits; "_iOS" after the milliseconds
// marks the UTC of the names that iPhones give their exports.
bool Compact(const std::string& name, size_t at, Fields& f, bool& utc) {
  char separator;
  if (!Number(name, at, 4, f.year) || !Number(name, at, 2, f.month) ||
      !Number(name, at, 2, f.day) || !Char(name, at, "_-", separator) ||
      !Number(name, at, 2, f.hour) || !Number(name, at, 2, f.minute) ||
      !Number(name, at, 2, f.second)) {
    return false;
  }
  for (int milliseconds = 0; milliseconds < 3 && at < name.size() && IsDigit(name[at]);
       ++milliseconds) {
    ++at;
  }
  if (!Ends(name, at)) return false;
  utc = name.compare(at, 4, "_iOS") == 0;
  return true;
}

// yyyyMMddHHmmss at the start of the name or after "BURST", up to four more digits after it
// (milliseconds, a counter).
bool Burst(const std::string& name, size_t at, Fields& f) {
  if (at != 0 && !(at >= 5 && name.compare(at - 5, 5, "BURST") == 0)) return false;
  if (!Number(name, at, 4, f.year) || !Number(name, at, 2, f.month) ||
      !Number(name, at, 2, f.day) || !Number(name, at, 2, f.hour) ||
      !Number(name, at, 2, f.minute) || !Number(name, at, 2, f.second)) {
    return false;
  }
  for (int more = 0; more < 4 && at < name.size() && IsDigit(name[at]); ++more) ++at;
  return Ends(name, at);
}

// yyyy_MM_dd_HH_mm_ss.
bool Underscored(const std::string& name, size_t at, Fields& f) {
  char separator;
  int* const fields[] = {&f.year, &f.month, &f.day, &f.hour, &f.minute, &f.second};
  for (size_t i = 0; i < 6; ++i) {
    if ((i > 0 && !Char(name, at, "_", separator)) ||
        !Number(name, at, i == 0 ? 4 : 2, *fields[i])) {
      return false;
    }
  }
  return Ends(name, at);
}

// "FB_IMG_" and the milliseconds since 1970 in UTC, 13 digits.
bool UnixMilliseconds(const std::string& name, size_t at, Fields& f) {
  int64_t milliseconds = 0;
  if (at != 7 || name.compare(0, 7, "FB_IMG_") != 0) return false;
  for (size_t end = at + 13; at < end; ++at) {
    if (at >= name.size() || !IsDigit(name[at])) return false;
    milliseconds = milliseconds * 10 + (name[at] - '0');
  }
  platform::SystemTime clock;
  if (!Ends(name, at) || !SecondsToClock(kEpochDay1970, milliseconds / 1000, clock)) return false;
  f = {int{clock.year}, int{clock.month},  int{clock.day},
       int{clock.hour}, int{clock.minute}, int{clock.second}};
  return true;
}

// yyyyMMdd-WA and a digit: a day without a time.
bool Messenger(const std::string& name, size_t at, Fields& f) {
  f.hour = f.minute = f.second = 0;
  return Number(name, at, 4, f.year) && Number(name, at, 2, f.month) &&
         Number(name, at, 2, f.day) && Word(name, at, "-WA") && at < name.size() &&
         IsDigit(name[at]);
}

// " AM" or " PM" after a 12-hour time (its space may be a narrow no-break space, in UTF-8 or
// replaced by '?' in the ANSI code page): the hour on a 24-hour clock. False for an hour that
// a 12-hour clock does not show; true, with the hour kept, where neither follows.
bool TwelveHour(const std::string& name, size_t at, int& hour) {
  if (!Word(name, at, " ") && !Word(name, at, "?") && !Word(name, at, "\xE2\x80\xAF")) return true;
  const bool am = Word(name, at, "AM"), pm = !am && Word(name, at, "PM");
  const bool word = at < name.size() &&
                    ((name[at] >= 'A' && name[at] <= 'Z') || (name[at] >= 'a' && name[at] <= 'z'));
  if ((!am && !pm) || word) return true;
  if (hour < 1 || hour > 12) return false;
  hour = hour % 12 + (pm ? 12 : 0);
  return true;
}

// yyyy-MM-dd, ' ', '_', '-' or " at ", then HH.mm.ss, HH-mm-ss or HHmmss; after " at " (the
// screenshots of macOS) the hour may have one digit, as a 12-hour clock writes it.
bool Dashed(const std::string& name, size_t at, Fields& f) {
  char separator, time, again;
  if (!Number(name, at, 4, f.year) || !Char(name, at, "-", separator) ||
      !Number(name, at, 2, f.month) || !Char(name, at, "-", separator) ||
      !Number(name, at, 2, f.day)) {
    return false;
  }
  const bool spelled = Word(name, at, " at ");
  if (!spelled && !Char(name, at, " _-", separator)) return false;
  const bool oneDigit = spelled && at + 1 < name.size() && !IsDigit(name[at + 1]);
  if (oneDigit ? !Number(name, at, 1, f.hour) : !Number(name, at, 2, f.hour)) return false;
  if (Char(name, at, ".-", time)) {
    if (!Number(name, at, 2, f.minute) || !Char(name, at, ".-", again) || again != time) {
      return false;
    }
  } else if (oneDigit || !Number(name, at, 2, f.minute)) {
    return false;
  }
  return Number(name, at, 2, f.second) && Ends(name, at) && TwelveHour(name, at, f.hour);
}

bool Exists(const Fields& f) {
  double value;
  return TryEncodeDate(f.year, f.month, f.day, value) &&
         TryEncodeTime(f.hour, f.minute, f.second, 0, value);
}

// Tomorrow by the local clock, as yyyyMMdd.
int Tomorrow() {
  const platform::SystemTime today = platform::LocalTime();
  double value;
  if (!TryEncodeDate(today.year, today.month, today.day, value)) return 99991231;
  const DateTimeFields next = DecodeDateTime(value + 1);
  return next.year * 10000 + next.month * 100 + next.day;
}

// Counters and numbers that happen to read as dates mostly fall outside 1990 to tomorrow.
bool Plausible(const Fields& f, int tomorrow) {
  return f.year >= 1990 && f.year * 10000 + f.month * 100 + f.day <= tomorrow;
}

}  // namespace

bool NameDate(const std::string& path, platform::SystemTime& clock, bool& utc) {
  const std::string name = path.substr(PathDirectory(path).size());
  const int tomorrow = Tomorrow();
  for (size_t at = 0; at < name.size(); ++at) {
    if (!IsDigit(name[at]) || (at > 0 && IsDigit(name[at - 1]))) continue;
    Fields f;
    bool inUtc = false;
    if (UnixMilliseconds(name, at, f)) {
      inUtc = true;
    } else if (!(Compact(name, at, f, inUtc) || Burst(name, at, f) || Dashed(name, at, f) ||
                 Underscored(name, at, f) || Messenger(name, at, f)) ||
               !Exists(f)) {
      continue;
    }
    if (!Plausible(f, tomorrow)) continue;
    clock = {static_cast<uint16_t>(f.year),
             static_cast<uint16_t>(f.month),
             0,
             static_cast<uint16_t>(f.day),
             static_cast<uint16_t>(f.hour),
             static_cast<uint16_t>(f.minute),
             static_cast<uint16_t>(f.second),
             0};
    utc = inUtc || (at == 4 && name.compare(0, 4, "PXL_") == 0);
    return true;
  }
  return false;
}
