#include "entries/exif_date.h"

#include <cstring>
#include <string>

#include "entries/date_value.h"

namespace {

constexpr uint16_t kDateTime = 0x0132;
constexpr uint16_t kExifDirectory = 0x8769;
constexpr uint16_t kDateTimeOriginal = 0x9003;
constexpr uint16_t kDateTimeDigitized = 0x9004;
constexpr uint16_t kOffsetTime = 0x9010;
constexpr uint16_t kOffsetTimeOriginal = 0x9011;
constexpr uint16_t kOffsetTimeDigitized = 0x9012;

constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeDirectory = 13;
constexpr size_t kEntrySize = 12;

// The texts that are read, each date with the offset that belongs to it, in the order of
// preference.
constexpr uint16_t kTextTags[] = {kDateTimeOriginal,    kOffsetTimeOriginal, kDateTimeDigitized,
                                  kOffsetTimeDigitized, kDateTime,           kOffsetTime};
constexpr size_t kTextCount = sizeof kTextTags / sizeof kTextTags[0];
// "YYYY:MM:DD HH:MM:SS" is the longest text that is looked at.
constexpr uint32_t kTextLimit = 19;

// Markers looked at before the EXIF segment: a photo has a handful; junk ends the search.
constexpr int kMarkerLimit = 1024;

// The TIFF structure of EXIF data: a header, then directories of 12-byte entries whose
// offsets count from the header; all of it inside `size` bytes from `base` of the source.
class Tiff {
 public:
  Tiff(ByteSource& bytes, uint64_t base, uint64_t size) : bytes_(bytes), base_(base), size_(size) {}

  // The byte order, the magic number 42 and the offset of the first directory.
  bool ReadHeader(uint32_t& first) {
    uint8_t header[8];
    if (Read(0, 8, header) != 8) return false;
    if (header[0] == 'I' && header[1] == 'I') {
      bigEndian_ = false;
    } else if (header[0] == 'M' && header[1] == 'M') {
      bigEndian_ = true;
    } else {
      return false;
    }
    first = U32(header + 4);
    // 42, or the numbers that raw formats put in its place: Panasonic's RW2 (0x55) and
    // Olympus's ORF ("RO", "RS").
    const uint16_t magic = U16(header + 2);
    return magic == 42 || magic == 0x55 || magic == 0x4F52 || magic == 0x5352;
  }

  // Up to `count` bytes at `at`, as many as lie inside the structure and the source.
  size_t Read(uint64_t at, size_t count, uint8_t* out) {
    if (at >= size_) return 0;
    if (count > size_ - at) count = static_cast<size_t>(size_ - at);
    return bytes_.ReadAt(base_ + at, out, count);
  }

  uint16_t U16(const uint8_t* p) const {
    return static_cast<uint16_t>(bigEndian_ ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
  }
  uint32_t U32(const uint8_t* p) const {
    const uint32_t high = U16(bigEndian_ ? p : p + 2), low = U16(bigEndian_ ? p + 2 : p);
    return high << 16 | low;
  }

 private:
  ByteSource& bytes_;
  const uint64_t base_, size_;
  bool bigEndian_ = false;
};

struct Found {
  std::string texts[kTextCount];
  bool hasExifDirectory = false;
  uint32_t exifDirectory = 0;
};

// The text of an ASCII entry, at most kTextLimit bytes: in the entry when it fits in four.
std::string EntryText(Tiff& tiff, const uint8_t* entry) {
  const uint32_t count = tiff.U32(entry + 4);
  const uint32_t length = count < kTextLimit ? count : kTextLimit;
  if (count <= 4) return std::string(reinterpret_cast<const char*>(entry + 8), length);
  char text[kTextLimit];
  const size_t read = tiff.Read(tiff.U32(entry + 8), length, reinterpret_cast<uint8_t*>(text));
  return std::string(text, read);
}

// Takes the wanted entries of the directory at `offset`; the entries of a directory cut
// short by the end of the data are read as far as they go.
void ReadDirectory(Tiff& tiff, uint32_t offset, Found& found) {
  uint8_t countBytes[2];
  if (tiff.Read(offset, 2, countBytes) != 2) return;
  const uint16_t count = tiff.U16(countBytes);
  for (uint64_t at = uint64_t{offset} + 2; at < uint64_t{offset} + 2 + count * kEntrySize;
       at += kEntrySize) {
    uint8_t entry[kEntrySize];
    if (tiff.Read(at, kEntrySize, entry) != kEntrySize) return;
    const uint16_t tag = tiff.U16(entry), type = tiff.U16(entry + 2);
    if (tag == kExifDirectory && (type == kTypeLong || type == kTypeDirectory)) {
      found.hasExifDirectory = true;
      found.exifDirectory = tiff.U32(entry + 8);
      continue;
    }
    if (type != kTypeAscii) continue;
    for (size_t i = 0; i < kTextCount; ++i) {
      if (kTextTags[i] == tag) found.texts[i] = EntryText(tiff, entry);
    }
  }
}

bool Digits(const std::string& text, size_t at, size_t count, int& value) {
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// "YYYY:MM:DD HH:MM:SS", a date and time that exist.
bool ParseDateTime(const std::string& text, platform::SystemTime& taken) {
  if (text.size() < 19 || text[4] != ':' || text[7] != ':' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    return false;
  }
  int year, month, day, hour, minute, second;
  return Digits(text, 0, 4, year) && Digits(text, 5, 2, month) && Digits(text, 8, 2, day) &&
         Digits(text, 11, 2, hour) && Digits(text, 14, 2, minute) && Digits(text, 17, 2, second) &&
         TryClockFields(year, month, day, hour, minute, second, taken);
}

// "+HH:MM" or "-HH:MM", less than a day.
bool ParseOffset(const std::string& text, int& minutes) {
  int hours, rest;
  if (text.size() < 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':' ||
      !Digits(text, 1, 2, hours) || !Digits(text, 4, 2, rest) || hours > 23 || rest > 59) {
    return false;
  }
  minutes = (text[0] == '-' ? -1 : 1) * (hours * 60 + rest);
  return true;
}

bool DateFromTiff(Tiff& tiff, ExifDate& date) {
  uint32_t first;
  if (!tiff.ReadHeader(first)) return false;
  Found found;
  ReadDirectory(tiff, first, found);
  // The EXIF directory once: an EXIF entry in it is not followed.
  if (found.hasExifDirectory) ReadDirectory(tiff, found.exifDirectory, found);
  for (size_t i = 0; i < kTextCount; i += 2) {
    if (!ParseDateTime(found.texts[i], date.taken)) continue;
    date.hasOffset = ParseOffset(found.texts[i + 1], date.offsetMinutes);
    if (!date.hasOffset) date.offsetMinutes = 0;
    return true;
  }
  return false;
}

// Where the EXIF data of a JPEG file lies: the TIFF structure in its APP1 segment that
// begins "Exif\0\0". The segments before the image data are looked at.
bool FindExifSegment(ByteSource& bytes, uint64_t& start, uint64_t& size) {
  static const uint8_t kExifId[6] = {'E', 'x', 'i', 'f', 0, 0};
  uint64_t at = 2;
  for (int markers = 0; markers < kMarkerLimit; ++markers) {
    uint8_t head[4];
    if (bytes.ReadAt(at, head, 2) != 2 || head[0] != 0xFF) return false;
    const uint8_t marker = head[1];
    if (marker == 0xFF) {  // a fill byte before the marker
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {  // no segment follows
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return false;  // the end, or the image data
    if (bytes.ReadAt(at + 2, head + 2, 2) != 2) return false;
    const uint16_t length = static_cast<uint16_t>(head[2] << 8 | head[3]);
    if (length < 2) return false;
    uint8_t id[sizeof kExifId];
    if (marker == 0xE1 && length >= 2 + sizeof id &&
        bytes.ReadAt(at + 4, id, sizeof id) == sizeof id &&
        std::memcmp(id, kExifId, sizeof id) == 0) {
      start = at + 4 + sizeof id;
      size = length - 2 - sizeof id;
      return true;
    }
    at += 2 + uint64_t{length};
  }
  return false;
}

}  // namespace

bool ReadExifDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[2];
  if (bytes.ReadAt(0, head, 2) != 2) return false;
  if (head[0] == 0xFF && head[1] == 0xD8) {
    uint64_t start, size;
    if (!FindExifSegment(bytes, start, size)) return false;
    Tiff tiff(bytes, start, size);
    return DateFromTiff(tiff, date);
  }
  Tiff tiff(bytes, 0, UINT64_MAX);
  return DateFromTiff(tiff, date);
}
