// AVI videos: a RIFF file of type "AVI ", whose chunks each have a type, a 32-bit
// little-endian size and the data, padded to an even length; a LIST chunk holds chunks in turn.
// Cameras write the date as the `IDIT` chunk of the header list (`hdrl`); ffmpeg and editors as
// the `ICRD` chunk of the `INFO` list.
#include <cctype>
#include <cstring>
#include <string>

#include "entries/date_value.h"
#include "entries/media_date.h"
#include "entries/text_date.h"

namespace {

constexpr int kChunkLimit = 4096;
constexpr size_t kTextLimit = 64;

uint32_t LittleEndian32(const uint8_t* p) {
  return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

struct Texts {
  std::string idit, icrd;
  bool hasIdit = false, hasIcrd = false;
};

// Reads the chunks from `at` to `end`, the date chunks into `texts` and the lists `hdrl`
// and `INFO` (where `lists`) one level down. False where a chunk does not fit.
bool ReadChunks(ByteSource& bytes, uint64_t at, uint64_t end, bool lists, Texts& texts) {
  for (int chunks = 0; chunks < kChunkLimit && end - at >= 8; ++chunks) {
    uint8_t chunk[12];
    if (bytes.ReadAt(at, chunk, 8) != 8) return false;
    const uint64_t size = LittleEndian32(chunk + 4), data = at + 8;
    if (size > end - data) return false;
    const bool idit = std::memcmp(chunk, "IDIT", 4) == 0, icrd = std::memcmp(chunk, "ICRD", 4) == 0;
    if ((idit && !texts.hasIdit) || (icrd && !texts.hasIcrd)) {
      char text[kTextLimit];
      const size_t length = size < kTextLimit ? static_cast<size_t>(size) : kTextLimit;
      if (bytes.ReadAt(data, reinterpret_cast<uint8_t*>(text), length) != length) return false;
      (idit ? texts.idit : texts.icrd).assign(text, size <= kTextLimit ? length : 0);
      (idit ? texts.hasIdit : texts.hasIcrd) = true;
    } else if (lists && std::memcmp(chunk, "LIST", 4) == 0 && size >= 4) {
      if (bytes.ReadAt(data, chunk + 8, 4) != 4) return false;
      if ((std::memcmp(chunk + 8, "hdrl", 4) == 0 || std::memcmp(chunk + 8, "INFO", 4) == 0) &&
          !ReadChunks(bytes, data + 4, data + size, false, texts)) {
        return false;
      }
    }
    // The padding byte may be missing after the last chunk.
    at = data + size + (size & 1);
    if (at > end) at = end;
  }
  return true;
}

int MonthNamed(std::string_view name) {
  static const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                        "jul", "aug", "sep", "oct", "nov", "dec"};
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (int i = 0; i < 12; ++i) {
    if (lower == kMonths[i]) return i + 1;
  }
  return 0;
}

bool Number(std::string_view text, size_t at, size_t count, int& value) {
  value = 0;
  if (at + count > text.size()) return false;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// The date of an AVI chunk, on the camera's clock: "Thu Oct 26 16:46:04 2006" (as C's ctime
// writes it), "2006:10:26 16:46:04", "2006-10-26 16:46:04", "2006/10/26 16:46:04", or a day
// alone, "2006-10-26", at 00:00:00. `date` is new: it has no offset unless the text gives one.
bool ChunkDate(std::string text, ExifDate& date) {
  while (!text.empty() &&
         (text.back() == '\0' || std::isspace(static_cast<unsigned char>(text.back())))) {
    text.pop_back();
  }
  int year, month, day, hour, minute, second;
  if (text.size() == 24 && text[3] == ' ' && text[7] == ' ' && text[10] == ' ' && text[13] == ':' &&
      text[16] == ':' && text[19] == ' ') {
    month = MonthNamed(std::string_view(text).substr(4, 3));
    const std::string dayText = text.substr(8, 2);
    return month != 0 && Number(dayText[0] == ' ' ? "0" + dayText.substr(1) : dayText, 0, 2, day) &&
           Number(text, 11, 2, hour) && Number(text, 14, 2, minute) &&
           Number(text, 17, 2, second) && Number(text, 20, 4, year) &&
           TryClockFields(year, month, day, hour, minute, second, date.taken);
  }
  if (text.size() >= 10 && text[4] == '/' && text[7] == '/') text[4] = text[7] = '-';
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') text += " 00:00:00";
  return ParseIsoDateText(text, date);
}

}  // namespace

bool ReadAviDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[12];
  if (bytes.ReadAt(0, head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "AVI ", 4) != 0) {
    return false;
  }
  const uint64_t end = 8 + uint64_t{LittleEndian32(head + 4)};
  uint8_t last;  // a file cut short is not read
  Texts texts;
  if (end < 12 || bytes.ReadAt(end - 1, &last, 1) != 1 ||
      !ReadChunks(bytes, 12, end, true, texts)) {
    return false;
  }
  ExifDate read;
  if (!(texts.hasIdit && ChunkDate(texts.idit, read)) &&
      !(texts.hasIcrd && ChunkDate(texts.icrd, read))) {
    return false;
  }
  date = read;
  return true;
}
