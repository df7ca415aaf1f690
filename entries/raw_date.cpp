// Raw photos that are not TIFF files: Fujifilm's RAF (the EXIF data of the JPEG preview it
// holds), Minolta's MRW (a TIFF structure in one of its blocks) and older Canon's CRW (the
// CIFF heaps, whose TimeStamp record holds the date).
#include <cstring>
#include <vector>

#include "entries/date_value.h"
#include "entries/iso_boxes.h"
#include "entries/media_date.h"

namespace {

uint16_t LittleEndian16(const uint8_t* p) { return static_cast<uint16_t>(p[1] << 8 | p[0]); }
uint32_t LittleEndian32(const uint8_t* p) {
  return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

// Whether the `size` bytes from `start` all lie in the file: a block cut short is none.
bool Whole(ByteSource& bytes, uint64_t start, uint64_t size) {
  uint8_t last;
  return size > 0 && start <= UINT64_MAX - size && bytes.ReadAt(start + size - 1, &last, 1) == 1;
}

// MRW: a block's header is a type and a 32-bit big-endian size; a file has four or five.
constexpr int kMrwBlockLimit = 64;

// CRW: a heap ends with the offset of its table, a 16-bit count of 10-byte records: a type
// (whose bits 0x3800 say what the data is, 0x2800 and 0x3000 a heap in turn, and whose bits
// 0xC000 where it lies), the size and the offset of the data in the heap.
constexpr uint16_t kCrwTimeStamp = 0x180E;
constexpr int kCrwDepthLimit = 4;
constexpr int kCrwRecordLimit = 4096;

struct Heap {
  uint64_t start, size;
  int depth;
};

}  // namespace

bool ReadRafDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[92];
  if (bytes.ReadAt(0, head, sizeof head) != sizeof head ||
      std::memcmp(head, "FUJIFILMCCD-RAW ", 16) != 0) {
    return false;
  }
  // The JPEG preview: its offset and size, big-endian, 84 bytes in.
  const uint64_t start = BigEndian32(head + 84), size = BigEndian32(head + 88);
  if (!Whole(bytes, start, size)) return false;
  SliceBytes jpeg(bytes, start, size);
  uint8_t soi[2];
  return jpeg.ReadAt(0, soi, 2) == 2 && soi[0] == 0xFF && soi[1] == 0xD8 &&
         ReadExifDate(jpeg, date);
}

bool ReadMrwDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[8];
  if (bytes.ReadAt(0, head, 8) != 8 || std::memcmp(head, "\0MRM", 4) != 0) return false;
  const uint64_t end = 8 + uint64_t{BigEndian32(head + 4)};
  uint64_t at = 8;
  for (int blocks = 0; blocks < kMrwBlockLimit && end - at >= 8; ++blocks) {
    uint8_t block[8];
    if (bytes.ReadAt(at, block, 8) != 8) return false;
    const uint64_t size = BigEndian32(block + 4);
    if (size > end - at - 8) return false;
    if (std::memcmp(block, "\0TTW", 4) == 0) {
      if (!Whole(bytes, at + 8, size)) return false;
      SliceBytes tiff(bytes, at + 8, size);
      return ReadExifDate(tiff, date);
    }
    at += 8 + size;
  }
  return false;
}

bool ReadCrwDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[14];
  uint64_t fileSize;
  if (bytes.ReadAt(0, head, sizeof head) != sizeof head || std::memcmp(head, "II", 2) != 0 ||
      std::memcmp(head + 6, "HEAPCCDR", 8) != 0 || !bytes.Size(fileSize)) {
    return false;
  }
  const uint64_t headerSize = LittleEndian32(head + 2);
  if (headerSize < sizeof head || headerSize >= fileSize) return false;
  // The heaps still to be read, from the root heap, which runs to the end of the file; each
  // heap within the one that holds it, to a few levels.
  std::vector<Heap> heaps{{headerSize, fileSize - headerSize, 0}};
  int records = 0;
  while (!heaps.empty()) {
    const Heap heap = heaps.back();
    heaps.pop_back();
    uint8_t word[4];
    if (heap.size < 6 || bytes.ReadAt(heap.start + heap.size - 4, word, 4) != 4) return false;
    const uint64_t table = LittleEndian32(word);
    uint8_t countBytes[2];
    if (table > heap.size - 6 || bytes.ReadAt(heap.start + table, countBytes, 2) != 2) {
      return false;
    }
    const uint16_t count = LittleEndian16(countBytes);
    if (uint64_t{count} * 10 > heap.size - 4 - table - 2) return false;
    for (uint16_t i = 0; i < count; ++i) {
      if (++records > kCrwRecordLimit) return false;
      uint8_t record[10];
      if (bytes.ReadAt(heap.start + table + 2 + i * 10u, record, 10) != 10) return false;
      const uint16_t type = LittleEndian16(record);
      const uint64_t size = LittleEndian32(record + 2), offset = LittleEndian32(record + 6);
      // Data in the record itself (0x4000) is no heap and no time stamp.
      if ((type & 0xC000) != 0 || offset > heap.size || size > heap.size - offset) continue;
      const uint16_t kind = type & 0x3800;
      if ((kind == 0x2800 || kind == 0x3000) && heap.depth + 1 < kCrwDepthLimit) {
        heaps.push_back({heap.start + offset, size, heap.depth + 1});
      } else if ((type & 0x3FFF) == kCrwTimeStamp && size >= 4) {
        // Seconds since 1970 on the camera's clock, as if it were UTC.
        uint8_t seconds[4];
        if (bytes.ReadAt(heap.start + offset, seconds, 4) != 4) return false;
        date.hasOffset = false;
        date.offsetMinutes = 0;
        return LittleEndian32(seconds) != 0 &&
               SecondsToClock(kEpochDay1970, LittleEndian32(seconds), date.taken);
      }
    }
  }
  return false;
}
