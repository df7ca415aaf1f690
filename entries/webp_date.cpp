// WebP images: a RIFF file of type WEBP, whose chunks each have a type, a 32-bit
// little-endian size and the data, padded to an even length.
#include <cstring>

#include "entries/media_date.h"

namespace {

constexpr int kChunkLimit = 4096;

uint32_t LittleEndian32(const uint8_t* p) {
  return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

}  // namespace

bool ReadWebpDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[12];
  if (bytes.ReadAt(0, head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "WEBP", 4) != 0) {
    return false;
  }
  const uint64_t end = 8 + uint64_t{LittleEndian32(head + 4)};
  uint64_t at = 12;
  for (int chunks = 0; chunks < kChunkLimit && at + 8 <= end; ++chunks) {
    uint8_t chunk[8];
    if (bytes.ReadAt(at, chunk, 8) != 8) return false;
    const uint64_t size = LittleEndian32(chunk + 4), data = at + 8;
    if (size > end - data) return false;
    if (std::memcmp(chunk, "EXIF", 4) == 0) {
      uint8_t last;  // a chunk cut short by the end of the file is not read
      if (size == 0 || bytes.ReadAt(data + size - 1, &last, 1) != 1) return false;
      uint8_t lead[6];
      const bool led =
          size >= 6 && bytes.ReadAt(data, lead, 6) == 6 && std::memcmp(lead, "Exif\0\0", 6) == 0;
      SliceBytes tiff(bytes, data + (led ? 6 : 0), size - (led ? 6 : 0));
      return ReadExifDate(tiff, date);
    }
    at = data + size + (size & 1);
  }
  return false;
}
