// Expanding date format patterns: any pattern, any settings formats and designators it may
// insert, and any value, NaN and the infinities included, give at most 256 bytes.
//
// Input: one byte choosing the settings, eight bytes of the value, then the pattern, the short
// and long date formats, the short and long time formats and the two designators, each ended
// by a zero byte (those missing keep the settings' own).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "date_fuzz_settings.h"
#include "entries/date_format.h"
#include "entries/date_settings.h"
#include "fuzz_check.h"

namespace {

constexpr size_t kMaxText = 256;

// The next text up to a zero byte or the end of the input.
bool NextText(const uint8_t*& data, const uint8_t* end, std::string& text) {
  if (data >= end) return false;
  const auto* stop = static_cast<const uint8_t*>(std::memchr(data, 0, end - data));
  if (stop == nullptr) stop = end;
  text.assign(reinterpret_cast<const char*>(data), stop - data);
  data = stop == end ? end : stop + 1;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  fuzzdates::UseDateSettings(data[0], fuzzdates::Choice::All);
  double value;
  std::memcpy(&value, data + 1, sizeof value);
  const uint8_t* at = data + 9;
  const uint8_t* end = data + size;
  std::string pattern;
  NextText(at, end, pattern);
  DateSettingsRecord& s = DateSettings;
  for (std::string* text : {&s.shortDateFormat, &s.longDateFormat, &s.shortTimeFormat,
                            &s.longTimeFormat, &s.amDesignator, &s.pmDesignator}) {
    if (!NextText(at, end, *text)) break;
  }
  const std::string text = ApplyDateFormat(pattern, value);
  fuzzcheck::Expect(text.size() <= kMaxText, "ApplyDateFormat wrote more than 256 bytes", text);
  const std::string dateText = FormatDateText(value);
  fuzzcheck::Expect(dateText.size() <= kMaxText, "FormatDateText wrote more than 256 bytes",
                    dateText);
  return 0;
}
