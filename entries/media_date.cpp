#include "entries/media_date.h"

#include <cstring>

#include "entries/iso_boxes.h"

bool ReadTakenDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[12] = {};
  const size_t read = bytes.ReadAt(0, head, sizeof head);
  if (read >= 8 && std::memcmp(head, "\x89PNG\r\n\x1A\n", 8) == 0) return ReadPngDate(bytes, date);
  if (read == 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0) {
    return ReadWebpDate(bytes, date);
  }
  if (read >= 8 && OpensIsoMedia(BigEndian32(head + 4))) {
    return ReadHeifDate(bytes, date) || ReadMovieDate(bytes, date);
  }
  return ReadExifDate(bytes, date);
}
