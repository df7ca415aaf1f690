#include "entries/name_date.h"

#include "entries/date_value.h"
#include "entries/path_kind.h"

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

struct Fields {
  int year, month, day, hour, minute, second;
};

// yyyyMMdd, '_' or '-', HHmmss and up to three more digits.
bool Compact(const std::string& name, size_t at, Fields& f) {
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
  return at >= name.size() || !IsDigit(name[at]);
}

// yyyy-MM-dd, ' ', '_' or '-', HH.mm.ss or HH-mm-ss.
bool Dashed(const std::string& name, size_t at, Fields& f) {
  char separator, time, again;
  return Number(name, at, 4, f.year) && Char(name, at, "-", separator) &&
         Number(name, at, 2, f.month) && Char(name, at, "-", separator) &&
         Number(name, at, 2, f.day) && Char(name, at, " _-", separator) &&
         Number(name, at, 2, f.hour) && Char(name, at, ".-", time) &&
         Number(name, at, 2, f.minute) && Char(name, at, ".-", again) && again == time &&
         Number(name, at, 2, f.second) && (at >= name.size() || !IsDigit(name[at]));
}

bool Exists(const Fields& f) {
  double value;
  return TryEncodeDate(f.year, f.month, f.day, value) &&
         TryEncodeTime(f.hour, f.minute, f.second, 0, value);
}

}  // namespace

bool NameDate(const std::string& path, platform::SystemTime& local) {
  const std::string name = path.substr(PathDirectory(path).size());
  for (size_t at = 0; at < name.size(); ++at) {
    if (!IsDigit(name[at]) || (at > 0 && IsDigit(name[at - 1]))) continue;
    Fields f;
    if (!(Compact(name, at, f) || Dashed(name, at, f)) || !Exists(f)) continue;
    local = {static_cast<uint16_t>(f.year),
             static_cast<uint16_t>(f.month),
             0,
             static_cast<uint16_t>(f.day),
             static_cast<uint16_t>(f.hour),
             static_cast<uint16_t>(f.minute),
             static_cast<uint16_t>(f.second),
             0};
    return true;
  }
  return false;
}
