// Matroska and WebM videos: EBML elements, each an ID and a size, both of variable length
// (the leading zero bits of the first byte say how many bytes follow), then the data. The
// date is DateUTC in the Segment's Info: nanoseconds from 2001-01-01 in UTC.
#include "entries/date_value.h"
#include "entries/media_date.h"

namespace {

constexpr uint32_t kEbml = 0x1A45DFA3;
constexpr uint32_t kSegment = 0x18538067;
constexpr uint32_t kInfo = 0x1549A966;
constexpr uint32_t kCluster = 0x1F43B675;
constexpr uint32_t kDateUtc = 0x4461;
constexpr int kElementLimit = 4096;

struct Element {
  uint32_t id = 0;
  uint64_t data = 0;  // the first byte of its data
  uint64_t end = 0;   // the first byte after it; UINT64_MAX for a size left unknown
};

// A variable-length number at `at` of at most `longest` bytes: with its marker bit for an ID,
// without it for a size. False where none can be read.
bool ReadNumber(ByteSource& bytes, uint64_t& at, int longest, bool id, uint64_t& value,
                bool& unknown) {
  uint8_t first;
  if (bytes.ReadAt(at, &first, 1) != 1 || first == 0) return false;
  int length = 1;
  while (!(first & (0x80 >> (length - 1)))) ++length;
  if (length > longest) return false;
  uint8_t rest[8];
  if (bytes.ReadAt(at + 1, rest, length - 1) != static_cast<size_t>(length - 1)) return false;
  const uint8_t mask = static_cast<uint8_t>(0xFF >> length);
  value = id ? first : first & mask;
  bool allOnes = (first & mask) == mask;
  for (int i = 0; i < length - 1; ++i) {
    value = value << 8 | rest[i];
    allOnes = allOnes && rest[i] == 0xFF;
  }
  unknown = allOnes;
  at += length;
  return true;
}

// The element at `at`, which must end by `end` (one of unknown size runs to `end`).
bool ReadElement(ByteSource& bytes, uint64_t at, uint64_t end, Element& element) {
  uint64_t id, size;
  bool unknown;
  if (at >= end || !ReadNumber(bytes, at, 4, true, id, unknown) ||
      !ReadNumber(bytes, at, 8, false, size, unknown) || at > end) {
    return false;
  }
  if (unknown) {
    element = {static_cast<uint32_t>(id), at, end};
    return true;
  }
  if (size > end - at) return false;
  element = {static_cast<uint32_t>(id), at, at + size};
  return true;
}

bool Whole(ByteSource& bytes, const Element& element) {
  uint8_t last;
  return element.end == UINT64_MAX || element.end == element.data ||
         bytes.ReadAt(element.end - 1, &last, 1) == 1;
}

bool InfoDate(ByteSource& bytes, const Element& info, ExifDate& date) {
  uint64_t at = info.data;
  for (int elements = 0; elements < kElementLimit && at < info.end; ++elements) {
    Element child;
    if (!ReadElement(bytes, at, info.end, child)) return false;
    if (child.id == kDateUtc) {
      uint8_t value[8];
      if (child.end - child.data != 8 || bytes.ReadAt(child.data, value, 8) != 8) return false;
      uint64_t bits = 0;
      for (uint8_t byte : value) bits = bits << 8 | byte;
      // Whole seconds, rounded down also before 2001.
      const int64_t nanoseconds = static_cast<int64_t>(bits);
      const int64_t seconds = nanoseconds / 1000000000 - (nanoseconds % 1000000000 < 0 ? 1 : 0);
      date.hasOffset = true;
      date.offsetMinutes = 0;
      return SecondsToClock(kEpochDay2001, seconds, date.taken);
    }
    at = child.end;
  }
  return false;
}

}  // namespace

bool ReadMatroskaDate(ByteSource& bytes, ExifDate& date) {
  Element header, segment;
  if (!ReadElement(bytes, 0, UINT64_MAX, header) || header.id != kEbml ||
      header.end == UINT64_MAX || !ReadElement(bytes, header.end, UINT64_MAX, segment) ||
      segment.id != kSegment || !Whole(bytes, segment)) {
    return false;
  }
  // The Info before the first Cluster, where writers put it.
  uint64_t at = segment.data;
  for (int elements = 0; elements < kElementLimit && at < segment.end; ++elements) {
    Element child;
    if (!ReadElement(bytes, at, segment.end, child) || child.id == kCluster) return false;
    if (child.id == kInfo) {
      ExifDate read;
      if (child.end == UINT64_MAX || !Whole(bytes, child) || !InfoDate(bytes, child, read)) {
        return false;
      }
      date = read;
      return true;
    }
    if (child.end == UINT64_MAX) return false;
    at = child.end;
  }
  return false;
}
