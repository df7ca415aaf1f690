// The recording date of AVCHD videos (MTS, M2TS): transport streams built here, as no Debian
// tool writes the camcorders' MDPM block (the samples of tests/fixtures/media are checked
// against exiftool by scripts/lib/cli_check.sh).
#include <gtest/gtest.h>

#include "entries/media_date.h"
#include "support/photo_bytes.h"

namespace {

std::string Read(const std::string& bytes) {
  MemoryBytes source(bytes);
  ExifDate date;
  return ReadTakenDate(source, date) ? testsupport::ExifDateText(date) : "none";
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

constexpr unsigned kMapPid = 0x100, kVideoPid = 0x1011;

// The packets of one PID that carry `payload`, the last filled up by an adaptation field;
// after a 4-byte time code each where `m2ts`.
std::string Packets(unsigned pid, std::string payload, bool m2ts) {
  std::string out;
  bool first = true;
  for (int counter = 0; first || !payload.empty(); ++counter, first = false) {
    const std::string chunk = payload.substr(0, 184);
    payload.erase(0, chunk.size());
    std::string packet = Bytes({0x47, (first ? 0x40 : 0) | static_cast<int>(pid >> 8),
                                static_cast<int>(pid & 0xFF), (counter & 15)});
    if (chunk.size() < 184) {
      const size_t stuffing = 184 - chunk.size() - 1;
      packet[3] = static_cast<char>(packet[3] | 0x30);
      packet += static_cast<char>(stuffing);
      if (stuffing > 0) packet += '\0' + std::string(stuffing - 1, '\xFF');
    } else {
      packet[3] = static_cast<char>(packet[3] | 0x10);
    }
    out += (m2ts ? std::string(4, '\0') : "") + packet + chunk;
  }
  return out;
}

// A table section with its pointer field, its CRC left 0 (the reader does not check it).
std::string Section(int table, const std::string& body) {
  const size_t length = 5 + body.size() + 4;
  return Bytes({0, table, 0xB0 | static_cast<int>(length >> 8), static_cast<int>(length & 0xFF), 0,
                1, 0xC1, 0, 0}) +
         body + std::string(4, '\0');
}

// 03 put in before each byte of 0 to 3 that follows two zero bytes, as H.264 writes NAL units.
std::string Escaped(const std::string& nal) {
  std::string out;
  int zeros = 0;
  for (char c : nal) {
    if (zeros >= 2 && static_cast<uint8_t>(c) <= 3) {
      out += '\x03';
      zeros = 0;
    }
    out += c;
    zeros = c == 0 ? zeros + 1 : 0;
  }
  return out;
}

// An SEI message: its type and size, each as runs of 0xFF and a last byte.
std::string Message(int type, const std::string& payload) {
  std::string out;
  for (size_t size : {static_cast<size_t>(type), payload.size()}) {
    out += std::string(size / 255, '\xFF') + static_cast<char>(size % 255);
  }
  return out + payload;
}

const std::string kMdpmUuid = Bytes({0x17, 0xEE, 0x8C, 0x60, 0xF8, 0x4D, 0x11, 0xD9, 0x8C, 0xD6,
                                     0x08, 0x00, 0x20, 0x0C, 0x9A, 0x66});

// An MDPM block: a time code whose bytes need an emulation prevention byte, the date entries
// 0x18 (`zone`, then the century, the year and the month of `date`) and 0x19 (its day, hour,
// minute and second), and another entry.
std::string Mdpm(int zone, const std::string& date = "\x20\x21\x03\x04\x05\x06\x07") {
  return "MDPM" + Bytes({5, 0x13, 0x00, 0x00, 0x01, 0x00, 0x18, zone}) + date.substr(0, 3) +
         "\x19" + date.substr(3, 4) + Bytes({0x70, 0x00, 0x00, 0x02, 0xFF});
}

// A stream of a program association table (the network PID, then the program), a program map
// table that names the H.264 video
// (or a stream of `videoType`), and the video's first PES packet: an access unit delimiter,
// filler data, the SEI unit of `messages`, and slice data, in a PES packet of its own where
// `split`.
std::string Stream(const std::string& messages, bool m2ts, int videoType = 0x1B,
                   bool split = false) {
  const std::string pat =
      Section(0, Bytes({0, 0, 0xE0, 0x10, 0, 1, 0xE0 | (kMapPid >> 8), kMapPid & 0xFF}));
  const std::string pmt =
      Section(2, Bytes({0xE0 | (kVideoPid >> 8), kVideoPid & 0xFF, 0xF0, 0, videoType,
                        0xE0 | (kVideoPid >> 8), kVideoPid & 0xFF, 0xF0, 0}));
  const std::string pes = Bytes({0, 0, 1, 0xE0, 0, 0, 0x80, 0x80, 5, 0x21, 0, 1, 0, 1});
  const std::string units = Bytes({0, 0, 0, 1, 0x09, 0xF0, 0, 0, 1, 0x0C}) +
                            std::string(150, '\xFF') + Bytes({0x80, 0, 0, 0, 1}) +
                            Escaped("\x06" + messages + "\x80");
  const std::string slice = Bytes({0, 0, 1, 0x65}) + std::string(300, '\x88');
  return Packets(0, pat, m2ts) + Packets(kMapPid, pmt, m2ts) +
         (split ? Packets(kVideoPid, pes + units, m2ts) + Packets(kVideoPid, pes + slice, m2ts)
                : Packets(kVideoPid, pes + units + slice, m2ts));
}

std::string MdpmMessage(const std::string& mdpm) { return Message(5, kMdpmUuid + mdpm); }

TEST(AvchdDate, ReadsTheMdpmDateOfTheVideoStream) {
  const std::string date = MdpmMessage(Mdpm(0x12));
  struct Case {
    const char* what;
    std::string bytes, expected;
  };
  const Case cases[] = {
      {"188-byte packets", Stream(date, false), "2021:03:04 05:06:07 +09:00"},
      {"192-byte packets", Stream(date, true), "2021:03:04 05:06:07 +09:00"},
      {"a zone west of Greenwich, with half an hour", Stream(MdpmMessage(Mdpm(0x27)), true),
       "2021:03:04 05:06:07 -03:30"},
      {"the top bit of the zone byte", Stream(MdpmMessage(Mdpm(0x80)), true),
       "2021:03:04 05:06:07 +00:00"},
      {"daylight saving time: the camera's clock", Stream(MdpmMessage(Mdpm(0x52)), true),
       "2021:03:04 05:06:07"},
      {"a zone of 15 hours: none", Stream(MdpmMessage(Mdpm(0x1E)), true), "2021:03:04 05:06:07"},
      {"after another message of 300 bytes",
       Stream(Message(5, std::string(16, 'u') + std::string(284, 'x')) + date, false),
       "2021:03:04 05:06:07 +09:00"},
      {"the SEI unit last in its PES packet", Stream(date, true, 0x1B, true),
       "2021:03:04 05:06:07 +09:00"},
      {"no MDPM", Stream(Message(5, std::string(16, 'u') + Mdpm(0x12)), true), "none"},
      {"a month that is no BCD",
       Stream(MdpmMessage(Mdpm(0x12, "\x20\x21\x0A\x04\x05\x06\x07")), true), "none"},
      {"a day that does not exist",
       Stream(MdpmMessage(Mdpm(0x12, "\x20\x21\x02\x30\x05\x06\x07")), true), "none"},
      {"a clock never set", Stream(MdpmMessage(Mdpm(0xFF, std::string(7, '\xFF'))), true), "none"},
      // The message ends with the tag 0x19, whose data would be the next message's type, size
      // and payload.
      {"more entries counted than the message holds",
       Stream(MdpmMessage(Mdpm(0x12).substr(0, 4 + 1 + 5 + 5 + 1)) + Message(0x04, "\x06\x07"),
              true),
       "none"},
      {"video that is not H.264", Stream(date, true, 0x02), "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
}

TEST(AvchdDate, ReadsOnlyWhatTheStreamHolds) {
  const std::string whole = Stream(MdpmMessage(Mdpm(0x12)), true);
  // Cut anywhere: the date, or none where the date entries are cut (the sanitizers watch the
  // reads).
  const size_t mdpm = whole.find("MDPM");
  ASSERT_NE(mdpm, std::string::npos);
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::string read = Read(whole.substr(0, size));
    EXPECT_TRUE(read == "none" ? true : size >= mdpm + 20 && read == "2021:03:04 05:06:07 +09:00")
        << "cut to " << size << ": " << read;
  }
  // A packet without its sync byte before the video ends the stream.
  std::string lost = whole;
  lost[2 * 192 + 4] = 'G' + 1;
  EXPECT_EQ(Read(lost), "none");
  // The tables, null packets, then the video: only the first 4 MiB are looked at.
  auto late = [&](size_t nulls) {
    std::string stream = whole.substr(0, 2 * 192);
    const std::string null = Packets(0x1FFF, std::string(184, '\xFF'), true);
    for (size_t i = 0; i < nulls; ++i) stream += null;
    return stream + whole.substr(2 * 192);
  };
  const size_t limit = (4 << 20) / 192;
  EXPECT_EQ(Read(late(limit)), "none");
  EXPECT_EQ(Read(late(limit - 20)), "2021:03:04 05:06:07 +09:00");
}

}  // namespace
