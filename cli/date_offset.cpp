#include "cli/date_offset.h"

#include <iterator>

#include "cli/arguments.h"
#include "core/errors.h"
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

int64_t ParseDateOffset(const std::string& text) {
  static constexpr struct {
    char unit;
    int64_t seconds;
  } kUnits[] = {{'d', kSecondsPerDay}, {'h', 3600}, {'m', 60}, {'s', 1}};
  const UsageError bad("'" + text + "' is no offset (such as +1d, -2h30m, +90s)");
  if (text.size() < 3 || (text[0] != '+' && text[0] != '-')) throw bad;
  int64_t total = 0;
  size_t at = 1, unit = 0;
  while (at < text.size()) {
    const size_t first = at;
    int64_t number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - first < kMostDigits) {
      number = number * 10 + (text[at++] - '0');
    }
    if (at == first || at >= text.size()) throw bad;
    while (unit < std::size(kUnits) && kUnits[unit].unit != text[at]) ++unit;
    if (unit == std::size(kUnits)) throw bad;
    total += number * kUnits[unit++].seconds;
    ++at;
  }
  return text[0] == '-' ? -total : total;
}

std::string ShiftedDateText(const std::string& text, int64_t seconds) {
  const DateTimeFields f = DecodeDateTime(ParseDateText(text));
  double day = 0;
  TryEncodeDate(f.year, f.month, f.day, day);  // a date that was read exists
  const int64_t second = (static_cast<int64_t>(day) + kDaysFrom1601) * kSecondsPerDay +
                         f.hour * 3600 + f.minute * 60 + f.second + seconds;
  platform::FileTime local, utc;
  if (second >= 0 && second <= kLastSecond) {
    local.ticks = static_cast<uint64_t>(second) * kTicksPerSecond;
    if (platform::LocalToUtcTime(local, utc)) return LocalTimeDateText(local);
  }
  throw EConvertError("the shifted date lies outside the range of file times");
}
