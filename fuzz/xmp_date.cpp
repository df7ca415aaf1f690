// The XMP reader on any text: it ends, touches nothing outside it (the sanitizers watch), and a
// date that it reads exists, with an offset of less than a day that is there only when the text
// gives one.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entries/sidecar_date.h"
#include "taken_date_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ExifDate date;
  if (ReadXmpDate(input, date)) CheckTakenDate(date, input);
  return 0;
}
