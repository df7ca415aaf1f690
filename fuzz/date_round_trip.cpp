// Date text written back: a value written with FormatDateText under a setting reads back with
// ParseDateText as the value of the fields it was written from, to the second (the date alone
// when the time of day is under a second).
//
// Input: one byte choosing the settings, one choosing the separators, eight bytes of the value.
// A value outside the calendar is brought into it.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/errors.h"
#include "date_fuzz_settings.h"
#include "entries/date_format.h"
#include "entries/date_parse.h"
#include "entries/date_settings.h"
#include "entries/date_value.h"
#include "fuzz_check.h"

namespace {

constexpr int64_t kFirstDay = -693593;  // 0001-01-01
constexpr int64_t kDays = 3652059;      // to 9999-12-31

// A value of the calendar: the eight bytes as they are when they make one, else a day and a
// time of day taken from their bits.
double CalendarValue(const uint8_t* bytes) {
  double value;
  std::memcpy(&value, bytes, sizeof value);
  if (std::isfinite(value) && value >= kFirstDay - 1 && value <= kFirstDay + kDays) return value;
  uint64_t bits;
  std::memcpy(&bits, bytes, sizeof bits);
  const int64_t day = kFirstDay + static_cast<int64_t>(bits % kDays);
  const double time = static_cast<double>(bits / kDays % kMillisecondsPerDay) / kMillisecondsPerDay;
  return day >= 0 ? day + time : day - time;
}

// What the text of a value should read back as: its fields to the second.
bool ExpectedValue(double value, double& expected) {
  const DateTimeFields f = DecodeDateTime(value);
  double date, time;
  if (!TryEncodeDate(f.year, f.month, f.day, date)) return false;  // rounded out of range
  TryEncodeTime(f.hour, f.minute, f.second, 0, time);
  expected = date >= 0 ? date + time : date - time;
  return true;
}

struct Separators {
  char date, time;
};
constexpr std::array<Separators, 6> kSeparators = {
    {{'/', ':'}, {'-', ':'}, {'.', ':'}, {'/', '.'}, {'-', '-'}, {'.', '.'}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 10) return 0;
  fuzzdates::UseDateSettings(data[0], fuzzdates::Choice::WrittenBack);
  // The time formats write the separator with ':'; a date format may write its own literally.
  const Separators& separators = kSeparators[data[1] % kSeparators.size()];
  if (DateSettings.shortDateFormat.find('/') != std::string::npos) {
    DateSettings.dateSeparator = separators.date;
  }
  DateSettings.timeSeparator = separators.time;
  const double value = CalendarValue(data + 2);
  double expected;
  if (!ExpectedValue(value, expected)) return 0;
  const std::string text = FormatDateText(value);
  try {
    const double read = ParseDateText(text);
    if (read != expected) {
      fuzzcheck::Fail("read back as " + std::to_string(read) + ", written from " +
                          std::to_string(expected) + " (" + std::to_string(value) + ")",
                      text);
    }
  } catch (const EConvertError&) {
    fuzzcheck::Fail("not read back", text);
  }
  return 0;
}
