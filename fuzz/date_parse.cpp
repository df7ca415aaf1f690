// Date text parsing under each of the fuzz settings: any bytes are either read as a value
// within the calendar or rejected with the one message, read the same after a blank, and the
// scanning steps stop inside the text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "core/errors.h"
#include "date_fuzz_settings.h"
#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "fuzz_check.h"

namespace {

using fuzzcheck::Expect;

double Encoded(int year, int month, int day) {
  double value = 0;
  TryEncodeDate(year, month, day, value);
  return value;
}

const double kFirstDay = Encoded(1, 1, 1);
const double kLastDay = Encoded(9999, 12, 31);

// The value of a date text, or nothing when it is rejected with the one message.
std::optional<double> Parsed(const std::string& text) {
  try {
    return ParseDateText(text);
  } catch (const EConvertError& e) {
    const std::string message = e.what();
    if (message != "'" + text + "' は日付または時刻ではありません") {
      fuzzcheck::Fail("another message: " + message, text);
    }
    return std::nullopt;
  }
}

void CheckScanSteps(const std::string& text) {
  const int end = static_cast<int>(text.size()) + 1;
  int pos = 1;
  double date = -1e9;
  if (ScanDatePart(text, pos, date)) {
    Expect(date >= kFirstDay && date <= kLastDay && date == static_cast<int>(date),
           "ScanDatePart gave no day of the calendar", text);
    Expect(pos > 1 && pos <= end, "ScanDatePart stopped outside the text", text);
    double time = -1;
    if (ScanTimePart(text, pos, time)) {
      Expect(time >= 0 && time < 1, "ScanTimePart gave no time of day", text);
      Expect(pos <= end, "ScanTimePart stopped outside the text", text);
    }
  }
  pos = 1;
  double time = -1;
  if (ScanTimePart(text, pos, time)) {
    Expect(time >= 0 && time < 1, "ScanTimePart gave no time of day", text);
    Expect(pos > 1 && pos <= end, "ScanTimePart stopped outside the text", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  fuzzdates::UseDateSettings(data[0], fuzzdates::Choice::All);
  // A date text is a caption of the list: it ends at a zero byte.
  const auto* chars = reinterpret_cast<const char*>(data) + 1;
  const std::string text(chars, strnlen(chars, size - 1));
  const std::optional<double> value = Parsed(text);
  if (value) {
    Expect(*value > kFirstDay - 1 && *value < kLastDay + 1, "a value outside the calendar", text);
  }
  // Every part of a date text is read after the blanks before it.
  Expect(Parsed(" " + text) == value, "a blank before the text changed how it reads", text);
  CheckScanSteps(text);
  return 0;
}
