// The dates taken of HEIF, AVIF, QuickTime, MP4, PNG and WebP files: samples that Debian's
// tools made, and files built in memory for what those tools do not write.
#include <gtest/gtest.h>

#include "entries/media_date.h"
#include "entries/text_date.h"
#include "support/embedded_files.h"
#include "support/photo_bytes.h"

namespace {

using testsupport::EmbeddedFile;
using testsupport::TiffBytes;

constexpr uint16_t kOriginal = 0x9003;

// "yyyy:MM:dd HH:mm:ss", and " +HH:MM" when an offset was read; "none" when nothing was.
std::string Read(const std::string& bytes) {
  MemoryBytes source(bytes);
  ExifDate date;
  return ReadTakenDate(source, date) ? testsupport::ExifDateText(date) : "none";
}

std::string U32(uint64_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}
std::string U16(uint64_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string Box(const std::string& type, const std::string& contents) {
  return U32(8 + contents.size()) + type + contents;
}
std::string FullBox(const std::string& type, int version, const std::string& contents) {
  return Box(type, std::string(1, static_cast<char>(version)) + std::string(3, '\0') + contents);
}
const std::string kZero4(4, '\0');

// An EXIF block whose DateTimeOriginal is `taken`.
std::string Exif(const char* taken) { return TiffBytes({true, {}, {{kOriginal, taken}}}); }

TEST(MediaDate, ReadsTheSamplesThatToolsMade) {
  struct Case {
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"libheif-exif.heic", "2023:01:15 10:20:30 +09:00"},
      {"exiftool-exif.heic", "2021:02:03 04:05:06 -05:30"},
      {"exiftool-local.avif", "2020:12:31 23:59:59"},
      {"moov-last.mp4", "2023:01:15 01:20:30 +00:00"},
      {"keys-offset.mov", "2022:06:07 08:09:10 +02:00"},
      {"exif-chunk.png", "2019:08:09 10:11:12 +01:00"},
      {"text-iso.png", "2022:03:04 05:06:07 +02:00"},
      {"text-rfc1123.png", "2023:01:15 10:20:30 +09:00"},
      {"exif-chunk.webp", "2018:01:02 03:04:05"},
      {"hand.raf", "2021:03:04 05:06:07"},
      {"hand.orf", "2021:03:04 05:06:07"},
      {"hand.rw2", "2021:03:04 05:06:07"},
      {"hand.cr2", "2021:03:04 05:06:07"},
      {"hand.nef", "2021:03:04 05:06:07"},
      {"hand.arw", "2021:03:04 05:06:07"},
      {"hand.pef", "2021:03:04 05:06:07"},
      {"hand.srw", "2021:03:04 05:06:07"},
      {"hand.mrw", "2021:03:04 05:06:07"},
      {"hand.crw", "2021:03:04 05:06:07"},
      {"hand.mts", "2021:03:04 05:06:07 +09:00"},
      {"hand.m2t", "2021:03:04 05:06:07 -03:30"},
      {"idit.avi", "2021:03:04 05:06:07"},
      {"ffmpeg-icrd.avi", "2023:01:15 00:00:00"},
      {"ffmpeg.mkv", "2023:01:15 01:20:30 +00:00"},
      {"ffmpeg.webm", "2023:01:15 01:20:30 +00:00"},
      {"ffmpeg.wmv", "2023:01:15 01:20:30 +00:00"},
  };
  for (const Case& c : cases) {
    const std::string& bytes = EmbeddedFile(c.name);
    EXPECT_EQ(Read(bytes), c.expected) << c.name;
    // Cut anywhere: the whole date or none, and no read beyond the bytes (the sanitizers).
    for (size_t size = 0; size < bytes.size(); ++size) {
      const std::string read = Read(bytes.substr(0, size));
      EXPECT_TRUE(read == "none" || read == c.expected)
          << c.name << " cut to " << size << ": " << read;
    }
  }
}

std::string Movie(const std::string& moovContents, const std::string& before = {}) {
  return Box("ftyp", "qt  " + kZero4) + before + Box("moov", moovContents);
}
std::string Header(int version, uint64_t created) {
  return FullBox(
      "mvhd", version,
      (version == 1 ? U32(created >> 32) + U32(created) : U32(created)) + std::string(90, '\0'));
}
// A meta box (QuickTime's, without version and flags) whose second key is the creation date.
std::string CreationMeta(const std::string& text) {
  const std::string keys = FullBox("keys", 0,
                                   U32(2) + U32(8 + 24) + "mdtacom.apple.quicktime.make" +
                                       U32(8 + 32) + "mdtacom.apple.quicktime.creationdate");
  const std::string ilst = Box("ilst", Box(U32(1), Box("data", U32(1) + kZero4 + "Apple")) +
                                           Box(U32(2), Box("data", U32(1) + kZero4 + text)));
  return Box("meta", FullBox("hdlr", 0, kZero4 + "mdta" + std::string(13, '\0')) + keys + ilst);
}

TEST(MediaDate, FindsTheMovieDateByBoxSizesWhereverMoovLies) {
  const uint64_t k2023 = 3756590430;  // 2023-01-15 01:20:30 UTC, in seconds from 1904
  const std::string header = Header(0, k2023);
  const std::string largeMdat = U32(1) + "mdat" + U32(0) + U32(16 + 5) + "media";
  struct Case {
    const char* what;
    std::string bytes, expected;
  };
  const Case cases[] = {
      {"moov after a 64-bit sized mdat", Movie(header, largeMdat), "2023:01:15 01:20:30 +00:00"},
      {"a version 1 header", Movie(Header(1, k2023)), "2023:01:15 01:20:30 +00:00"},
      {"a creation time of 0", Movie(Header(0, 0)), "none"},
      {"a creation time at the start of 1970", Movie(Header(0, 2082844800)), "none"},
      {"a creation time a second after it", Movie(Header(1, 2082844801)),
       "1970:01:01 00:00:01 +00:00"},
      {"moov after an mdat that runs to the end", Movie(header, U32(0) + "mdat"), "none"},
      {"a file of older QuickTime", Box("wide", "") + Box("moov", header),
       "2023:01:15 01:20:30 +00:00"},
      {"the creation date before the header",
       Movie(header + CreationMeta("2023-01-15T10:20:30+0900")), "2023:01:15 10:20:30 +09:00"},
      {"the creation date in udta",
       Movie(header + Box("udta", CreationMeta("2023-01-15T10:20:30Z"))),
       "2023:01:15 10:20:30 +00:00"},
      {"a creation date without an offset", Movie(CreationMeta("2023-01-15T10:20:30")),
       "2023:01:15 10:20:30"},
      {"a creation date that is no date", Movie(header + CreationMeta("2023-02-30T10:20:30Z")),
       "2023:01:15 01:20:30 +00:00"},
      {"a moov that claims more than there is", Movie(header).substr(0, Movie(header).size() - 1),
       "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
}

// The box reader: where a file may begin, 64-bit sizes, and boxes that claim more than their
// parent holds.
TEST(MediaDate, ReadsBoxesByTheirSizesAndOnlyInsideTheirParents) {
  const std::string header = Header(0, 3756590430);  // 2023-01-15 01:20:30 UTC
  const std::string creation = CreationMeta("2023-01-15T10:20:30+0900");
  auto large = [](const std::string& type, const std::string& contents) {
    return U32(1) + type + U32(0) + U32(16 + contents.size()) + contents;
  };
  struct Case {
    const char* what;
    std::string bytes, expected;
  };
  const Case cases[] = {
      {"a QuickTime movie that begins with its media data",
       Box("mdat", "media") + Box("moov", header), "2023:01:15 01:20:30 +00:00"},
      {"a moov with a 64-bit size", Box("ftyp", "qt  " + kZero4) + large("moov", header),
       "2023:01:15 01:20:30 +00:00"},
      {"a meta with a 64-bit size", Movie(large("meta", creation.substr(8))),
       "2023:01:15 10:20:30 +09:00"},
      // udta claims the meta box that follows moov: it is not read.
      {"a box that overruns its parent", Movie(U32(8 + creation.size()) + "udta") + creation,
       "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
}

// A HEIF file whose `Exif` item (ID 2, after an image item) lies in the media data
// (construction method 0) or in `idat` (1).
std::string Heif(int ilocVersion, int infeVersion, int method, const std::string& exif) {
  const std::string item = U32(6) + "Exif" + std::string(2, '\0') + exif;
  auto infe = [&](uint32_t id, const char* type) {
    return FullBox("infe", infeVersion,
                   (infeVersion == 3 ? U32(id) : U16(id)) + U16(0) + type + std::string(1, '\0'));
  };
  const std::string iinf = FullBox("iinf", 0, U16(2) + infe(1, "hvc1") + infe(2, "Exif"));
  auto id = [&](uint32_t v) { return ilocVersion == 2 ? U32(v) : U16(v); };
  auto withMethod = [&](int m) { return ilocVersion == 0 ? "" : U16(m); };
  auto meta = [&](uint32_t offset) {
    // Offsets and lengths of 4 bytes, no base offsets and no extent indexes.
    const std::string iloc = FullBox(
        "iloc", ilocVersion,
        std::string("\x44\x00", 2) + id(2) + id(1) + withMethod(0) + U16(0) + U16(1) + U32(0) +
            U32(3) + id(2) + withMethod(method) + U16(0) + U16(1) + U32(offset) + U32(item.size()));
    return FullBox("meta", 0, iinf + iloc + (method == 1 ? Box("idat", item) : ""));
  };
  const std::string ftyp = Box("ftyp", "heic" + kZero4 + "mif1heic");
  const uint32_t inFile = static_cast<uint32_t>(ftyp.size() + meta(0).size() + 8 + 3);
  return ftyp + meta(method == 1 ? 0 : inFile) + Box("mdat", "img" + (method == 1 ? "" : item));
}

TEST(MediaDate, FindsTheExifItemOfHeifFiles) {
  const std::string exif = Exif("2024:05:06 07:08:09");
  for (int iloc = 0; iloc <= 2; ++iloc) {
    for (int infe = 2; infe <= 3; ++infe) {
      for (int method = 0; method <= (iloc == 0 ? 0 : 1); ++method) {
        EXPECT_EQ(Read(Heif(iloc, infe, method, exif)), "2024:05:06 07:08:09")
            << "iloc " << iloc << ", infe " << infe << ", method " << method;
      }
    }
  }
  EXPECT_EQ(Read(Heif(1, 2, 1, "not EXIF data")), "none");
  // A meta box that claims more than the file holds, whose items still lie inside the file.
  std::string damaged = Heif(1, 2, 0, exif);
  damaged[24] = '\x7F';
  EXPECT_EQ(Read(damaged), "none");
}

// An EXIF item whose TIFF header would lie past its end gives no date, whatever follows it.
TEST(MediaDate, ReadsNothingOfAHeifExifItemWhoseTiffLiesOutsideIt) {
  std::string damaged = Heif(1, 2, 0, "not EXIF data");
  const size_t item = damaged.size() - (10 + std::string("not EXIF data").size());
  damaged.replace(item, 4, U32(damaged.size() - item - 4 + 2));
  damaged += std::string(2, '\0') + Exif("2024:05:06 07:08:09");
  EXPECT_EQ(Read(damaged), "none");
}

// A chunk: the length of its data, its type, the data and a CRC, which is not looked at.
std::string Chunk(const std::string& type, const std::string& data) {
  return U32(data.size()) + type + data + kZero4;
}
std::string Png(const std::string& chunks) {
  return "\x89PNG\r\n\x1A\n" + Chunk("IHDR", std::string(13, '\0')) + chunks + Chunk("IEND", "");
}
std::string Text(const std::string& keyword, const std::string& text) {
  return Chunk("tEXt", keyword + '\0' + text);
}

TEST(MediaDate, ReadsThePngExifChunkElseTheCreationTime) {
  const std::string iso = Text("Creation Time", "2022-03-04T05:06:07+02:00");
  const std::string exif = Chunk("eXIf", Exif("2019:08:09 10:11:12"));
  const std::string image = Chunk("IDAT", std::string(70000, 'x'));
  struct Case {
    const char* what;
    std::string bytes, expected;
  };
  const Case cases[] = {
      {"tEXt", Png(iso), "2022:03:04 05:06:07 +02:00"},
      {"eXIf after tEXt", Png(iso + exif), "2019:08:09 10:11:12"},
      {"eXIf led by Exif\\0\\0",
       Png(Chunk("eXIf", "Exif" + std::string(2, '\0') + Exif("2019:08:09 10:11:12"))),
       "2019:08:09 10:11:12"},
      {"iTXt",
       Png(Chunk("iTXt",
                 std::string("Creation Time\0\0\0ja\0\0", 20) + "Sat, 4 Mar 2023 05:06:07 GMT")),
       "2023:03:04 05:06:07 +00:00"},
      {"compressed iTXt",
       Png(Chunk("iTXt", std::string("Creation Time\0\1\0\0\0", 18) + "2022-03-04T05:06:07Z")),
       "none"},
      {"another keyword", Png(Text("Creation", "2022-03-04T05:06:07Z")), "none"},
      {"text after a small image", Png(Chunk("IDAT", "x") + iso), "2022:03:04 05:06:07 +02:00"},
      {"text after a big image", Png(image + iso), "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
}

std::string Riff(const std::string& chunks) {
  std::string size(4, '\0');
  for (int i = 0; i < 4; ++i) size[i] = static_cast<char>((chunks.size() + 4) >> (8 * i));
  return "RIFF" + size + "WEBP" + chunks;
}
std::string RiffChunk(const std::string& type, const std::string& data) {
  std::string size(4, '\0');
  for (int i = 0; i < 4; ++i) size[i] = static_cast<char>(data.size() >> (8 * i));
  return type + size + data + (data.size() % 2 ? std::string(1, '\0') : "");
}

TEST(MediaDate, ReadsTheWebpExifChunk) {
  const std::string exif = Exif("2018:01:02 03:04:05");
  EXPECT_EQ(Read(Riff(RiffChunk("VP8 ", "odd") + RiffChunk("EXIF", exif))), "2018:01:02 03:04:05");
  EXPECT_EQ(Read(Riff(RiffChunk("EXIF", "Exif" + std::string(2, '\0') + exif))),
            "2018:01:02 03:04:05");
  EXPECT_EQ(Read(Riff(RiffChunk("VP8 ", "odd")) + RiffChunk("EXIF", exif)), "none")
      << "a chunk after the end the RIFF header gives";
  std::string across = Riff(RiffChunk("EXIF", exif));
  across[4] = 4 + 8 + 10;
  EXPECT_EQ(Read(across), "none") << "a chunk across the end the RIFF header gives";
}

TEST(TextDate, ReadsIsoAndRfc1123Dates) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"2023-01-15T10:20:30+09:00", "2023:01:15 10:20:30 +09:00"},
      {"2023-01-15 10:20:30.123-0530", "2023:01:15 10:20:30 -05:30"},
      {"2023:01:15 10:20:30", "2023:01:15 10:20:30"},
      {" 2023-01-15T10:20:30Z ", "2023:01:15 10:20:30 +00:00"},
      {"2023-01-15T10:20:30+09", "2023:01:15 10:20:30 +09:00"},
      {"Sun, 15 Jan 2023 10:20:30 +0900", "2023:01:15 10:20:30 +09:00"},
      {"5 Jan 2023 10:20:30 UTC", "2023:01:05 10:20:30 +00:00"},
      // No date: it does not exist, the offset is a day or more, or something follows.
      {"2023-02-29T10:20:30Z", "none"},
      {"2023-01-15T24:00:00Z", "none"},
      {"2023-01-15T10:20:30+24:00", "none"},
      {"2023-01-15T10:20:30+09:00 and more", "none"},
      {"2023-01-15T10:20", "none"},
      {"Sun, 15 Foo 2023 10:20:30 GMT", "none"},
      {"Sun, 15 Jan 2023 10:20:30", "none"},
  };
  for (const Case& c : cases) {
    ExifDate date;
    const bool read = ParseIsoDateText(c.text, date) || ParseRfc1123DateText(c.text, date);
    EXPECT_EQ(read ? testsupport::ExifDateText(date) : "none", c.expected) << c.text;
  }
}

std::string LittleEndian(uint64_t v, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(v >> (8 * i));
  return bytes;
}
std::string Avi(const std::string& chunks) { return RiffChunk("RIFF", "AVI " + chunks); }
// An EBML element whose size takes one byte.
std::string Ebml(const std::string& id, const std::string& data) {
  return id + static_cast<char>(0x80 | data.size()) + data;
}
std::string Matroska(const std::string& segment, const std::string& segmentSize = {}) {
  const std::string header = Ebml("\x1A\x45\xDF\xA3", Ebml("\x42\x82", "webm"));
  return header + "\x18\x53\x80\x67" +
         (segmentSize.empty() ? std::string(1, static_cast<char>(0x80 | segment.size()))
                              : segmentSize) +
         segment;
}
std::string DateUtc(int64_t nanoseconds) {
  return Ebml("\x44\x61", U32(static_cast<uint64_t>(nanoseconds) >> 32) +
                              U32(static_cast<uint64_t>(nanoseconds)));
}
const std::string kAsfHeader("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C",
                             16);
const std::string kFileProperties(
    "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65", 16);
std::string Asf(uint64_t created, uint32_t count = 1) {
  const std::string properties = std::string(16, 'f') + LittleEndian(1000, 8) +
                                 LittleEndian(created, 8) + std::string(56, '\0');
  const std::string object = kFileProperties + LittleEndian(24 + properties.size(), 8) + properties;
  return kAsfHeader + LittleEndian(30 + object.size(), 8) + LittleEndian(count, 4) + "\x01\x02" +
         object;
}

TEST(MediaDate, ReadsVideoContainersOnlyWhereEverySizeFits) {
  const int64_t k2023 = 695438430LL * 1000000000;  // 2023-01-15 01:20:30 UTC, from 2001
  struct Case {
    const char* what;
    std::string bytes, expected;
  };
  const Case cases[] = {
      {"IDIT at the top", Avi(RiffChunk("IDIT", "Thu Oct  5 16:46:04 2006\n")),
       "2006:10:05 16:46:04"},
      {"IDIT as EXIF writes it",
       Avi(RiffChunk("LIST", "hdrl" + RiffChunk("IDIT", "2006:10:05 16:46:04"))),
       "2006:10:05 16:46:04"},
      {"IDIT before ICRD",
       Avi(RiffChunk("LIST", "INFO" + RiffChunk("ICRD", "2001-01-01")) +
           RiffChunk("IDIT", "2006/10/05 16:46:04")),
       "2006:10:05 16:46:04"},
      {"IDIT that is no date, then ICRD",
       Avi(RiffChunk("IDIT", "Thu Oct 35 16:46:04 2006") +
           RiffChunk("LIST", "INFO" + RiffChunk("ICRD", "2001-02-03 04:05:06"))),
       "2001:02:03 04:05:06"},
      {"ICRD in a list of another type",
       Avi(RiffChunk("LIST", "movi" + RiffChunk("ICRD", "2001-01-01"))), "none"},
      {"a chunk larger than the RIFF",
       Avi(RiffChunk("IDIT", "2006:10:05 16:46:04")).replace(16, 4, LittleEndian(400, 4)), "none"},
      {"DateUTC", Matroska(Ebml("\x15\x49\xA9\x66", DateUtc(k2023))), "2023:01:15 01:20:30 +00:00"},
      {"DateUTC before 2001", Matroska(Ebml("\x15\x49\xA9\x66", DateUtc(-1))),
       "2000:12:31 23:59:59 +00:00"},
      {"DateUTC in a segment of unknown size",
       Matroska(Ebml("\x15\x49\xA9\x66", DateUtc(k2023)), "\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF"),
       "2023:01:15 01:20:30 +00:00"},
      {"Info after the first cluster",
       Matroska(Ebml("\x1F\x43\xB6\x75", "") + Ebml("\x15\x49\xA9\x66", DateUtc(k2023))), "none"},
      {"DateUTC of 7 bytes",
       Matroska(Ebml("\x15\x49\xA9\x66", Ebml("\x44\x61", std::string(7, '\0')))), "none"},
      {"an Info larger than the segment",
       Matroska(Ebml("\x15\x49\xA9\x66", DateUtc(k2023))).replace(21, 1, "\x8C"), "none"},
      {"the creation date of ASF", Asf(133182192300000000ULL), "2023:01:15 01:20:30 +00:00"},
      {"an ASF creation date of 0", Asf(0), "none"},
      {"an ASF header that counts no object", Asf(133182192300000000ULL, 0), "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
  // Cut short by a byte after the date (padding, media data), each gives none.
  for (const std::string& whole :
       {Avi(RiffChunk("IDIT", "2006:10:05 16:46:04") + RiffChunk("JUNK", "pad")),
        Matroska(Ebml("\x15\x49\xA9\x66", DateUtc(k2023)) + Ebml("\xEC", "void")),
        Asf(133182192300000000ULL)}) {
    EXPECT_NE(Read(whole), "none");
    EXPECT_EQ(Read(whole.substr(0, whole.size() - 1)), "none");
  }
}

}  // namespace
