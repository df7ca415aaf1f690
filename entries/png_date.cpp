// PNG images: an 8-byte signature, then chunks: a 32-bit length, a type, the data and a CRC.
// The EXIF chunk is read only whole, to the end of its CRC.
#include <cstring>
#include <string_view>

#include "entries/iso_boxes.h"
#include "entries/media_date.h"
#include "entries/text_date.h"

namespace {

constexpr int kChunkLimit = 4096;
// Chunks after the image data are read only while they lie in the first 64 KiB: reaching one
// further would mean reading through the image data.
constexpr uint64_t kFirstPiece = 64 * 1024;
constexpr char kKeyword[] = "Creation Time";
// The longest text that is looked at after the keyword and its lead.
constexpr size_t kTextLimit = 80;

bool TextDate(std::string_view text, ExifDate& date) {
  return ParseIsoDateText(text, date) || ParseRfc1123DateText(text, date);
}

// The date of a `tEXt` chunk (keyword, NUL, text) or of an uncompressed `iTXt` chunk (keyword,
// NUL, compression flag and method, language tag, NUL, translated keyword, NUL, text) whose
// keyword is "Creation Time".
bool CreationTime(ByteSource& bytes, uint64_t at, uint32_t length, bool international,
                  ExifDate& date) {
  char data[sizeof kKeyword + 2 + kTextLimit + 2 * 64];
  const size_t read = bytes.ReadAt(at, reinterpret_cast<uint8_t*>(data),
                                   length < sizeof data ? length : sizeof data);
  std::string_view rest(data, read);
  if (rest.substr(0, sizeof kKeyword) != std::string_view(kKeyword, sizeof kKeyword)) return false;
  rest.remove_prefix(sizeof kKeyword);
  if (international) {
    if (rest.size() < 2 || rest[0] != 0) return false;  // a compressed text is not read
    rest.remove_prefix(2);
    for (int skip = 0; skip < 2; ++skip) {  // the language tag and the translated keyword
      const size_t end = rest.find('\0');
      if (end == std::string_view::npos) return false;
      rest.remove_prefix(end + 1);
    }
  }
  // Only a text that ends inside what was read.
  const uint64_t before = static_cast<uint64_t>(rest.data() - data);
  return length - before <= rest.size() && TextDate(rest.substr(0, length - before), date);
}

}  // namespace

bool ReadPngDate(ByteSource& bytes, ExifDate& date) {
  uint8_t signature[8];
  if (bytes.ReadAt(0, signature, 8) != 8 || std::memcmp(signature, "\x89PNG\r\n\x1A\n", 8) != 0) {
    return false;
  }
  ExifDate text;
  bool hasText = false, imageSeen = false;
  uint64_t at = 8;
  for (int chunks = 0; chunks < kChunkLimit && !(imageSeen && at >= kFirstPiece); ++chunks) {
    uint8_t head[8];
    if (bytes.ReadAt(at, head, 8) != 8) break;
    const uint32_t length = BigEndian32(head), type = BigEndian32(head + 4);
    if (length > 0x7FFFFFFF || type == FourCc("IEND")) break;
    const uint64_t data = at + 8;
    uint8_t last;
    if (type == FourCc("eXIf") && bytes.ReadAt(data + length + 3, &last, 1) == 1) {
      // Some writers put the "Exif\0\0" of a JPEG segment before the TIFF header.
      uint8_t lead[6];
      const bool led =
          length >= 6 && bytes.ReadAt(data, lead, 6) == 6 && std::memcmp(lead, "Exif\0\0", 6) == 0;
      SliceBytes tiff(bytes, data + (led ? 6 : 0), length - (led ? 6 : 0));
      if (ReadExifDate(tiff, date)) return true;
    } else if (!hasText && (type == FourCc("tEXt") || type == FourCc("iTXt"))) {
      hasText = CreationTime(bytes, data, length, type == FourCc("iTXt"), text);
    } else if (type == FourCc("IDAT")) {
      imageSeen = true;
    }
    at = data + length + 4;
  }
  if (hasText) date = text;
  return hasText;
}
