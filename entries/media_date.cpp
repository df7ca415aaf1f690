#include "entries/media_date.h"

#include <cstring>

#include "entries/iso_boxes.h"

bool ReadTakenDate(ByteSource& bytes, ExifDate& date) {
  uint8_t head[16] = {};
  const size_t read = bytes.ReadAt(0, head, sizeof head);
  if (read >= 8 && std::memcmp(head, "\x89PNG\r\n\x1A\n", 8) == 0) return ReadPngDate(bytes, date);
  if (read >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0) {
    return ReadWebpDate(bytes, date);
  }
  if (read >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "AVI ", 4) == 0) {
    return ReadAviDate(bytes, date);
  }
  if (read >= 4 && std::memcmp(head, "\x1A\x45\xDF\xA3", 4) == 0)
    return ReadMatroskaDate(bytes, date);
  if (read == 16 && std::memcmp(head, "\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8) == 0) {
    return ReadAsfDate(bytes, date);
  }
  if (read == 16 && std::memcmp(head, "FUJIFILMCCD-RAW ", 16) == 0) return ReadRafDate(bytes, date);
  if (read >= 4 && std::memcmp(head, "\0MRM", 4) == 0) return ReadMrwDate(bytes, date);
  if (read >= 14 && std::memcmp(head + 6, "HEAPCCDR", 8) == 0) return ReadCrwDate(bytes, date);
  if (read >= 8 && OpensIsoMedia(BigEndian32(head + 4))) {
    return ReadHeifDate(bytes, date) || ReadMovieDate(bytes, date);
  }
  // A transport stream's sync byte, first or after an M2TS packet's time code; the reader
  // checks the packets that follow.
  if (read == 16 && (head[0] == 0x47 || head[4] == 0x47) && ReadAvchdDate(bytes, date)) return true;
  return ReadExifDate(bytes, date);
}
