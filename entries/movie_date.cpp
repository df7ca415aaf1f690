// QuickTime and MP4 videos: boxes, with the movie's header (`mvhd`) and its metadata in the
// `moov` box, which may come before or after the media data (`mdat`).
#include <cstring>
#include <string>

#include "entries/date_value.h"
#include "entries/iso_boxes.h"
#include "entries/media_date.h"
#include "entries/text_date.h"

namespace {

constexpr char kCreationKey[] = "com.apple.quicktime.creationdate";
constexpr uint32_t kKeyLimit = 4096;
// The longest date text that is looked at.
constexpr size_t kTextLimit = 64;

// The number (from 1) of the key com.apple.quicktime.creationdate in `keys`: 0 for none.
// Each key is a 32-bit size (its header of 8 bytes included), its namespace, its name.
uint32_t CreationKey(ByteSource& bytes, const IsoBox& keys) {
  uint8_t head[8];
  if (keys.end - keys.contents < 8 || bytes.ReadAt(keys.contents, head, 8) != 8) return 0;
  const uint32_t count = BigEndian32(head + 4);
  uint64_t at = keys.contents + 8;
  for (uint32_t key = 1; key <= count && key <= kKeyLimit; ++key) {
    uint8_t entry[8];
    if (keys.end - at < 8 || bytes.ReadAt(at, entry, 8) != 8) return 0;
    const uint32_t size = BigEndian32(entry);
    if (size < 8 || size > keys.end - at) return 0;
    char name[sizeof kCreationKey - 1];
    if (BigEndian32(entry + 4) == FourCc("mdta") && size - 8 == sizeof name &&
        bytes.ReadAt(at + 8, reinterpret_cast<uint8_t*>(name), sizeof name) == sizeof name &&
        std::memcmp(name, kCreationKey, sizeof name) == 0) {
      return key;
    }
    at += size;
  }
  return 0;
}

// The UTF-8 text of the `data` box of the item of `ilst` whose type is the key's number.
bool KeyText(ByteSource& bytes, const IsoBox& ilst, uint32_t key, std::string& text) {
  IsoBox item, data;
  uint8_t head[8];  // the type of the value (1 is UTF-8) and its locale
  if (!FindIsoBox(bytes, ilst.contents, ilst.end, key, item) ||
      !FindIsoBox(bytes, item.contents, item.end, FourCc("data"), data) ||
      data.end - data.contents < 8 || bytes.ReadAt(data.contents, head, 8) != 8 ||
      BigEndian32(head) != 1) {
    return false;
  }
  char read[kTextLimit];
  const uint64_t length = data.end - data.contents - 8;
  text.assign(read, bytes.ReadAt(data.contents + 8, reinterpret_cast<uint8_t*>(read),
                                 length < kTextLimit ? static_cast<size_t>(length) : kTextLimit));
  return text.size() == length;
}

bool CreationDate(ByteSource& bytes, const IsoBox& meta, ExifDate& date) {
  const uint64_t children = MetaChildren(bytes, meta);
  IsoBox keys, ilst;
  std::string text;
  if (!FindIsoBox(bytes, children, meta.end, FourCc("keys"), keys) ||
      !FindIsoBox(bytes, children, meta.end, FourCc("ilst"), ilst)) {
    return false;
  }
  const uint32_t key = CreationKey(bytes, keys);
  return key != 0 && KeyText(bytes, ilst, key, text) && ParseIsoDateText(text, date);
}

// The creation time of the movie's header: seconds since 1904 in UTC, 32 bits in a version 0
// box and 64 in a version 1 box. 0, and the start of 1970, are what writers put where they
// know no date.
bool HeaderDate(ByteSource& bytes, const IsoBox& mvhd, ExifDate& date) {
  uint8_t head[12];
  if (mvhd.end - mvhd.contents < 12 || bytes.ReadAt(mvhd.contents, head, 12) != 12 || head[0] > 1) {
    return false;
  }
  const uint64_t seconds = head[0] == 1 ? BigEndian64(head + 4) : BigEndian32(head + 4);
  constexpr uint64_t kUnixEpoch = (kEpochDay1970 - kEpochDay1904) * 86400;
  if (seconds == 0 || seconds == kUnixEpoch || seconds > INT64_MAX ||
      !SecondsToClock(kEpochDay1904, static_cast<int64_t>(seconds), date.taken)) {
    return false;
  }
  date.hasOffset = true;
  date.offsetMinutes = 0;
  return true;
}

}  // namespace

bool ReadMovieDate(ByteSource& bytes, ExifDate& date) {
  IsoBox first, moov, udtaMeta;
  if (!ReadIsoBox(bytes, 0, UINT64_MAX, first) || !OpensIsoMedia(first.type) ||
      !FindIsoBox(bytes, 0, UINT64_MAX, FourCc("moov"), moov)) {
    return false;
  }
  // One pass over the boxes of `moov`, whose tracks may be large.
  const uint32_t types[] = {FourCc("meta"), FourCc("udta"), FourCc("mvhd")};
  IsoBox found[3];
  FindIsoBoxes(bytes, moov.contents, moov.end, types, found, 3);
  const IsoBox &meta = found[0], &udta = found[1], &mvhd = found[2];
  ExifDate read;
  const bool dated =
      (meta.type != 0 && CreationDate(bytes, meta, read)) ||
      (udta.type != 0 && FindIsoBox(bytes, udta.contents, udta.end, FourCc("meta"), udtaMeta) &&
       CreationDate(bytes, udtaMeta, read)) ||
      (mvhd.type != 0 && HeaderDate(bytes, mvhd, read));
  // Checked last, so that the reads stay near the start of a large `moov`.
  if (!dated || !WholeIsoBox(bytes, moov)) return false;
  date = read;
  return true;
}
