#include "entries/date_offset.h"

#include <iterator>

#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/file_dates.h"
#include "platform/time.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kDaysFrom1601 = 109205;  // 1601-01-01 is day -109205 of date-time values
constexpr int64_t kLastDay = 2958465;      // 9999-12-31, the last day a date text holds
constexpr int64_t kLastSecond = (kLastDay + kDaysFrom1601 + 1) * kSecondsPerDay - 1;
constexpr size_t kMostDigits = 9;  // keeps every sum far from overflowing

}  // namespace

bool ReadDateOffset(const std::string& text, int64_t& seconds) {
  static constexpr struct {
    char unit;
    int64_t seconds;
  } kUnits[] = {{'d', kSecondsPerDay}, {'h', 3600}, {'m', 60}, {'s', 1}};
  if (text.size() < 3 || (text[0] != '+' && text[0] != '-')) return false;
  int64_t total = 0;
  size_t at = 1, unit = 0;
  while (at < text.size()) {
    const size_t first = at;
    int64_t number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - first < kMostDigits) {
      number = number * 10 + (text[at++] - '0');
    }
    if (at == first || at >= text.size()) return false;
    while (unit < std::size(kUnits) && kUnits[unit].unit != text[at]) ++unit;
    if (unit == std::size(kUnits)) return false;
    total += number * kUnits[unit++].seconds;
    ++at;
  }
  seconds = text[0] == '-' ? -total : total;
  return true;
}

bool ShiftDateText(const std::string& text, int64_t seconds, std::string& shifted) {
  const DateTimeFields f = DecodeDateTime(ParseDateText(text));
  double day = 0;
  TryEncodeDate(f.year, f.month, f.day, day);  // a date that was read exists
  const int64_t second = (static_cast<int64_t>(day) + kDaysFrom1601) * kSecondsPerDay +
                         f.hour * 3600 + f.minute * 60 + f.second + seconds;
  if (second < 0 || second > kLastSecond) return false;
  platform::FileTime local, utc;
  local.ticks = static_cast<uint64_t>(second) * kTicksPerSecond;
  if (!platform::LocalToUtcTime(local, utc)) return false;
  shifted = LocalTimeDateText(local);
  return true;
}
