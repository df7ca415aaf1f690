// The properties of a date that a reader of file contents gives: it exists, and its offset
// from UTC is less than a day and there only when the file records one.
#pragma once

#include <string>
#include <string_view>

#include "entries/date_value.h"
#include "entries/exif_date.h"
#include "fuzz_check.h"

inline void CheckTakenDate(const ExifDate& date, std::string_view input) {
  const platform::SystemTime& t = date.taken;
  double value;
  fuzzcheck::Expect(TryEncodeDate(t.year, t.month, t.day, value) &&
                        TryEncodeTime(t.hour, t.minute, t.second, t.milliseconds, value),
                    "a date that does not exist", std::string(input));
  fuzzcheck::Expect(date.offsetMinutes > -24 * 60 && date.offsetMinutes < 24 * 60 &&
                        (date.hasOffset || date.offsetMinutes == 0),
                    "an offset of a day or more, or one that is not there", std::string(input));
}
