// The EXIF reader on any bytes: it ends, touches nothing outside them (the sanitizers watch),
// and a date that it reads exists, with an offset of less than a day that is there only when
// the file records one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entries/byte_source.h"
#include "entries/date_value.h"
#include "entries/exif_date.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  MemoryBytes bytes(input);
  ExifDate date;
  if (!ReadExifDate(bytes, date)) return 0;
  const platform::SystemTime& t = date.taken;
  double value;
  fuzzcheck::Expect(TryEncodeDate(t.year, t.month, t.day, value) &&
                        TryEncodeTime(t.hour, t.minute, t.second, t.milliseconds, value),
                    "a date that does not exist", std::string(input));
  fuzzcheck::Expect(date.offsetMinutes > -24 * 60 && date.offsetMinutes < 24 * 60 &&
                        (date.hasOffset || date.offsetMinutes == 0),
                    "an offset of a day or more, or one that is not there", std::string(input));
  return 0;
}
