// MTS and M2TS (AVCHD) videos: an MPEG transport stream of 188-byte packets (192 in the
// files that camcorders write, each packet after a 4-byte time code). The program association
// table (PID 0) names the program map table, which names the PID of the H.264 video; the
// video's PES packets carry its NAL units, and the first frames' SEI NAL unit holds a
// user_data_unregistered message of the MDPM UUID: "MDPM", a count, and entries of a tag and
// 4 bytes. Tag 0x18 is the time zone byte, then the year's century, the year and the month;
// 0x19 the day, the hour, the minute and the second, all as BCD.
#include <cstring>
#include <string>

#include "entries/date_value.h"
#include "entries/media_date.h"

namespace {

constexpr size_t kPacket = 188;
// Camcorders write the recording date into the first frames: a stream without it in its first
// 4 MiB has none that is read here.
constexpr uint64_t kReadLimit = 4 << 20;
// An SEI NAL unit holds a few small messages; the MDPM one is at most 1,296 bytes.
constexpr size_t kSeiLimit = 16 * 1024;
constexpr int kMessageLimit = 64;
constexpr uint8_t kMdpmUuid[16] = {0x17, 0xEE, 0x8C, 0x60, 0xF8, 0x4D, 0x11, 0xD9,
                                   0x8C, 0xD6, 0x08, 0x00, 0x20, 0x0C, 0x9A, 0x66};
constexpr unsigned kNoPid = 0x2000;  // above every 13-bit PID

// A BCD byte's value; false for a nibble above 9.
bool Bcd(uint8_t byte, int& value) {
  if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return false;
  value = (byte >> 4) * 10 + (byte & 0x0F);
  return true;
}

// The date of an MDPM block's entries 0x18 and 0x19. The time zone byte: 0x40 daylight
// saving time, 0x20 west of Greenwich, 0x1E the hours, 0x01 half an hour; the top bit is not
// used. With daylight saving time some cameras count the hour in the zone and some do not, so
// such a date is taken on the camera's clock, as one without a zone.
bool MdpmDate(const uint8_t* dateTag, const uint8_t* timeTag, ExifDate& date) {
  int century, year, month, day, hour, minute, second;
  if (!Bcd(dateTag[1], century) || !Bcd(dateTag[2], year) || !Bcd(dateTag[3], month) ||
      !Bcd(timeTag[0], day) || !Bcd(timeTag[1], hour) || !Bcd(timeTag[2], minute) ||
      !Bcd(timeTag[3], second)) {
    return false;
  }
  ExifDate read;
  if (!TryClockFields(century * 100 + year, month, day, hour, minute, second, read.taken)) {
    return false;
  }
  const uint8_t zone = dateTag[0];
  const int minutes = (zone >> 1 & 0x0F) * 60 + (zone & 0x01) * 30;
  if (!(zone & 0x40) && minutes <= 14 * 60) {
    read.hasOffset = true;
    read.offsetMinutes = zone & 0x20 ? -minutes : minutes;
  }
  date = read;
  return true;
}

// The H.264 NAL units of the video's PES packets, their start codes found byte by byte; the
// SEI units are kept without their emulation prevention bytes and read when they end.
class NalScanner {
 public:
  // Whether a date was read: `decided` once an MDPM block with both date entries was seen.
  bool decided = false, found = false;
  ExifDate date;

  // The bytes of the video's PES packets one after another: each packet's first unit starts
  // with a start code, which ends the last unit of the packet before.
  void Feed(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size && !decided; ++i) Byte(data[i]);
  }

 private:
  enum class State { Outside, Header, Sei, Other };

  void Byte(uint8_t byte) {
    if (zeros_ >= 2 && byte == 1) {
      if (state_ == State::Sei) ReadSei();
      state_ = State::Header;
      zeros_ = 0;
      return;
    }
    if (state_ == State::Header) {
      state_ = (byte & 0x1F) == 6 ? State::Sei : State::Other;
      sei_.clear();
    } else if (state_ == State::Sei) {
      // 00 00 03: the 03 was put in so that no start code appears.
      if (zeros_ >= 2 && byte == 3) {
        zeros_ = 0;
        return;
      }
      if (sei_.size() < kSeiLimit) sei_.push_back(static_cast<char>(byte));
    }
    zeros_ = byte == 0 ? zeros_ + 1 : 0;
  }

  // The messages of the SEI unit: a type and a size, each a run of 0xFF bytes and one
  // more, then the payload.
  void ReadSei() {
    const auto* p = reinterpret_cast<const uint8_t*>(sei_.data());
    const size_t size = sei_.size();
    size_t at = 0;
    for (int message = 0; message < kMessageLimit && at < size && p[at] != 0x80; ++message) {
      size_t type = 0, length = 0;
      while (at < size && p[at] == 0xFF) type += p[at++];
      if (at == size) return;
      type += p[at++];
      while (at < size && p[at] == 0xFF) length += p[at++];
      if (at == size) return;
      length += p[at++];
      if (length > size - at) return;
      if (type == 5 && Mdpm(p + at, length)) return;
      at += length;
    }
  }

  // A user_data_unregistered payload; true once it has decided the date.
  bool Mdpm(const uint8_t* p, size_t length) {
    if (length < 21 || std::memcmp(p, kMdpmUuid, 16) != 0 || std::memcmp(p + 16, "MDPM", 4) != 0) {
      return false;
    }
    const uint8_t* dateTag = nullptr;
    const uint8_t* timeTag = nullptr;
    for (size_t entry = 0, at = 21; entry < p[20] && length - at >= 5; ++entry, at += 5) {
      if (p[at] == 0x18 && !dateTag) dateTag = p + at + 1;
      if (p[at] == 0x19 && !timeTag) timeTag = p + at + 1;
    }
    if (!dateTag || !timeTag) return false;
    decided = true;
    found = MdpmDate(dateTag, timeTag, date);
    return true;
  }

  State state_ = State::Outside;
  int zeros_ = 0;
  std::string sei_;
};

// The first section of a table in a packet's payload that starts one: its bytes after
// section_length up to the CRC (or the packet's end), or false.
bool Section(const uint8_t* payload, size_t size, uint8_t table, const uint8_t*& body,
             size_t& length) {
  if (size < 1 || size_t{payload[0]} + 1 + 3 > size) return false;
  const uint8_t* section = payload + 1 + payload[0];
  const size_t room = size - 1 - payload[0] - 3;
  if (section[0] != table) return false;
  const size_t declared = (section[1] & 0x0F) << 8 | section[2];
  if (declared < 4) return false;
  body = section + 3;
  length = declared - 4 < room ? declared - 4 : room;
  return true;
}

// The PID of the first program's map table in a program association section.
unsigned ProgramMapPid(const uint8_t* payload, size_t size) {
  const uint8_t* body;
  size_t length;
  if (!Section(payload, size, 0x00, body, length)) return kNoPid;
  for (size_t at = 5; at + 4 <= length; at += 4) {
    if (body[at] != 0 || body[at + 1] != 0) return (body[at + 2] & 0x1F) << 8 | body[at + 3];
  }
  return kNoPid;
}

// The PID of the first H.264 stream (type 0x1B) in a program map section.
unsigned VideoPid(const uint8_t* payload, size_t size) {
  const uint8_t* body;
  size_t length;
  if (!Section(payload, size, 0x02, body, length) || length < 9) return kNoPid;
  size_t at = 9 + ((body[7] & 0x0F) << 8 | body[8]);
  while (at + 5 <= length) {
    if (body[at] == 0x1B) return (body[at + 1] & 0x1F) << 8 | body[at + 2];
    at += 5 + ((body[at + 3] & 0x0F) << 8 | body[at + 4]);
  }
  return kNoPid;
}

}  // namespace

bool ReadAvchdDate(ByteSource& bytes, ExifDate& date) {
  uint8_t first[2 * 192];
  const size_t head = bytes.ReadAt(0, first, sizeof first);
  size_t stride;
  if (head >= kPacket + 1 && first[0] == 0x47 && first[kPacket] == 0x47) {
    stride = kPacket;
  } else if (head >= 192 + 5 && first[4] == 0x47 && first[196] == 0x47) {
    stride = 192;
  } else {
    return false;
  }
  const size_t skip = stride - kPacket;
  unsigned mapPid = kNoPid, videoPid = kNoPid;
  bool inPes = false;
  NalScanner scanner;
  uint8_t p[kPacket];
  for (uint64_t at = skip; at + kPacket <= kReadLimit && !scanner.decided; at += stride) {
    if (bytes.ReadAt(at, p, kPacket) != kPacket || p[0] != 0x47) return false;
    const unsigned pid = (p[1] & 0x1F) << 8 | p[2];
    const bool start = p[1] & 0x40;
    const uint8_t control = p[3] >> 4 & 0x03;
    size_t payload = 4;
    if (control & 0x02) payload += 1 + size_t{p[4]};
    // An error flagged by the sender, no payload, or an adaptation field that fills more than
    // the packet: nothing to read in it.
    if ((p[1] & 0x80) || !(control & 0x01) || payload >= kPacket) continue;
    const uint8_t* data = p + payload;
    size_t size = kPacket - payload;
    if (pid == 0 && start && mapPid == kNoPid) {
      mapPid = ProgramMapPid(data, size);
    } else if (pid == mapPid && start && videoPid == kNoPid) {
      videoPid = VideoPid(data, size);
    } else if (pid == videoPid) {
      if (start) {
        // A PES header: 00 00 01, the stream ID, the packet's length, two bytes of flags and
        // the length of the rest of the header.
        inPes = size >= 9 && data[0] == 0 && data[1] == 0 && data[2] == 1 &&
                size_t{data[8]} + 9 <= size;
        if (!inPes) continue;
        size -= 9 + data[8];
        data += 9 + data[8];
      }
      if (inPes) scanner.Feed(data, size);
    }
  }
  if (!scanner.found) return false;
  date = scanner.date;
  return true;
}
