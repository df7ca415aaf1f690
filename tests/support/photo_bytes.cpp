#include "support/photo_bytes.h"

#include <cstdio>

namespace testsupport {
namespace {

constexpr uint16_t kExifDirectory = 0x8769;

class Writer {
 public:
  explicit Writer(bool bigEndian) : big_(bigEndian) {}
  void U16(uint32_t v) {
    Byte(big_ ? v >> 8 : v);
    Byte(big_ ? v : v >> 8);
  }
  void U32(uint32_t v) {
    U16(big_ ? v >> 16 : v & 0xFFFF);
    U16(big_ ? v & 0xFFFF : v >> 16);
  }
  void Byte(uint32_t v) { out += static_cast<char>(v & 0xFF); }
  std::string out;

 private:
  bool big_;
};

uint32_t DirectorySize(size_t entries) { return static_cast<uint32_t>(2 + 12 * entries + 4); }

// A directory of ASCII entries whose long texts go to `texts` from `textAt` on, with the
// EXIF entry last when `exifAt` is not 0.
void Directory(Writer& w, const std::vector<PhotoText>& entries, uint32_t exifAt, uint32_t next,
               uint32_t& textAt, std::string& texts) {
  w.U16(static_cast<uint32_t>(entries.size() + (exifAt ? 1 : 0)));
  for (const PhotoText& entry : entries) {
    const std::string text = entry.text + '\0';
    w.U16(entry.tag);
    w.U16(2);
    w.U32(static_cast<uint32_t>(text.size()));
    if (text.size() <= 4) {
      w.out += text + std::string(4 - text.size(), '\0');
    } else {
      w.U32(textAt);
      texts += text;
      textAt += static_cast<uint32_t>(text.size());
    }
  }
  if (exifAt) {
    w.U16(kExifDirectory);
    w.U16(4);
    w.U32(1);
    w.U32(exifAt);
  }
  w.U32(next);
}

}  // namespace

std::string TiffBytes(const PhotoTags& tags) {
  Writer w(tags.bigEndian);
  w.out.append(2, tags.bigEndian ? 'M' : 'I');
  w.U16(42);
  const uint32_t firstAt = 8 + tags.gap;
  w.U32(firstAt);
  w.out += std::string(tags.gap, '\0');
  const bool pointsOn = !tags.exif.empty() || tags.looped;
  const bool writesExif = !tags.exif.empty() && !tags.looped;
  const uint32_t firstSize = DirectorySize(tags.first.size() + (pointsOn ? 1 : 0));
  const uint32_t exifAt = tags.looped ? firstAt : firstAt + firstSize;
  uint32_t textAt = firstAt + firstSize + (writesExif ? DirectorySize(tags.exif.size()) : 0);
  std::string texts;
  Directory(w, tags.first, pointsOn ? exifAt : 0, tags.looped ? firstAt : 0, textAt, texts);
  if (writesExif) Directory(w, tags.exif, 0, 0, textAt, texts);
  return w.out + texts;
}

std::string JpegBytes(const std::string& tiff) {
  const std::string jfif("\xFF\xE0\x00\x10JFIF\x00\x01\x02\x00\x00\x01\x00\x01\x00\x00", 18);
  const std::string exif = "Exif" + std::string(2, '\0') + tiff;
  Writer length(true);
  length.U16(static_cast<uint32_t>(exif.size() + 2));
  return "\xFF\xD8" + jfif + "\xFF\xE1" + length.out + exif +
         std::string("\xFF\xDA\x00\x02\xFF\xD9", 6);
}

std::string ExifDateText(const ExifDate& date) {
  const platform::SystemTime& t = date.taken;
  char text[64];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  std::string result = text;
  if (date.hasOffset) {
    const int m = date.offsetMinutes < 0 ? -date.offsetMinutes : date.offsetMinutes;
    std::snprintf(text, sizeof text, " %c%02d:%02d", date.offsetMinutes < 0 ? '-' : '+', m / 60,
                  m % 60);
    result += text;
  }
  return result;
}

}  // namespace testsupport
