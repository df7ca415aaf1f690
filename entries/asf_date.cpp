// WMV and ASF videos: objects, each a GUID, a 64-bit little-endian size (its header of 24
// bytes included) and the data. The Header object holds the File Properties object, whose
// creation date counts 100 ns from 1601 in UTC.
#include <cstring>

#include "entries/date_value.h"
#include "entries/media_date.h"

namespace {

constexpr uint8_t kHeaderGuid[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                     0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr uint8_t kFilePropertiesGuid[16] = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                             0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
constexpr uint32_t kObjectLimit = 1024;
// The creation date's place in the File Properties object: after its header, the file's
// GUID and its size.
constexpr uint64_t kCreationAt = 24 + 16 + 8;

uint64_t LittleEndian64(const uint8_t* p) {
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = value << 8 | p[i];
  return value;
}

}  // namespace

bool ReadAsfDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[30];
  if (bytes.ReadAt(0, head, 30) != 30 || std::memcmp(head, kHeaderGuid, 16) != 0) return false;
  const uint64_t end = LittleEndian64(head + 16);
  const uint32_t count =
      uint32_t{head[27]} << 24 | uint32_t{head[26]} << 16 | uint32_t{head[25]} << 8 | head[24];
  uint8_t last;  // a header cut short is not read
  if (end < 30 || bytes.ReadAt(end - 1, &last, 1) != 1) return false;
  uint64_t at = 30;
  for (uint32_t i = 0; i < count && i < kObjectLimit && end - at >= 24; ++i) {
    uint8_t object[24];
    if (bytes.ReadAt(at, object, 24) != 24) return false;
    const uint64_t size = LittleEndian64(object + 16);
    if (size < 24 || size > end - at) return false;
    if (std::memcmp(object, kFilePropertiesGuid, 16) == 0) {
      uint8_t created[8];
      if (size < kCreationAt + 8 || bytes.ReadAt(at + kCreationAt, created, 8) != 8) return false;
      const uint64_t ticks = LittleEndian64(created);
      ExifDate read;
      read.hasOffset = true;
      if (ticks == 0 ||
          !SecondsToClock(kEpochDay1601, static_cast<int64_t>(ticks / 10000000), read.taken)) {
        return false;
      }
      date = read;
      return true;
    }
    at += size;
  }
  return false;
}
