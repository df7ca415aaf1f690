// The MTS and M2TS reader (transport stream packets, H.264 NAL units, SEI messages, MDPM
// entries) on any bytes: it ends, touches nothing outside them (the sanitizers watch), and a
// date that it reads exists, with an offset of less than a day that is there only when the
// file records one.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entries/byte_source.h"
#include "entries/media_date.h"
#include "taken_date_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  MemoryBytes bytes(input);
  ExifDate date;
  if (ReadAvchdDate(bytes, date)) CheckTakenDate(date, input);
  return 0;
}
