// The date a photo was taken, read from EXIF data built in memory.
#include <gtest/gtest.h>

#include "entries/exif_date.h"
#include "support/photo_bytes.h"

namespace {

using testsupport::JpegBytes;
using testsupport::PhotoTags;
using testsupport::TiffBytes;

constexpr uint16_t kDateTime = 0x0132;
constexpr uint16_t kOriginal = 0x9003;
constexpr uint16_t kDigitized = 0x9004;
constexpr uint16_t kOffsetTime = 0x9010;
constexpr uint16_t kOffsetOriginal = 0x9011;

const char* const kOne = "2025:07:14 15:07:58";
const char* const kTwo = "2024:02:29 23:59:59";
const char* const kThree = "1999:12:31 00:00:01";

// "yyyy:MM:dd HH:mm:ss", and "+HH:MM" when an offset was read; "none" when nothing was.
std::string Read(const std::string& bytes) {
  MemoryBytes source(bytes);
  ExifDate date;
  if (!ReadExifDate(source, date)) return "none";
  return testsupport::ExifDateText(date);
}

TEST(ExifDate, TakesTheFirstDateThatExistsOfOriginalDigitizedAndDateTime) {
  struct Case {
    const char* what;
    PhotoTags tags;
    std::string expected;
  };
  const Case cases[] = {
      {"little-endian TIFF", {false, {}, {{kOriginal, kOne}}}, kOne},
      {"big-endian TIFF", {true, {}, {{kOriginal, kOne}}}, kOne},
      {"all three", {false, {{kDateTime, kThree}}, {{kDigitized, kTwo}, {kOriginal, kOne}}}, kOne},
      {"digitized before DateTime", {true, {{kDateTime, kThree}}, {{kDigitized, kTwo}}}, kTwo},
      {"DateTime alone", {false, {{kDateTime, kThree}}, {}}, kThree},
      {"an original that names no date",
       {false, {}, {{kOriginal, "0000:00:00 00:00:00"}, {kDigitized, kTwo}}},
       kTwo},
      {"February 30", {false, {}, {{kOriginal, "2025:02:30 10:00:00"}}}, "none"},
      {"the offset of the date taken",
       {true, {}, {{kOriginal, kOne}, {kOffsetOriginal, "+09:00"}, {kOffsetTime, "-05:00"}}},
       std::string(kOne) + " +09:00"},
      {"DateTime's offset",
       {false, {{kDateTime, kThree}}, {{kOffsetTime, "-05:30"}}},
       std::string(kThree) + " -05:30"},
      {"an offset that is none",
       {false, {}, {{kOriginal, kOne}, {kOffsetOriginal, "+25:00"}}},
       kOne},
      {"an offset of a whole day",
       {false, {}, {{kOriginal, kOne}, {kOffsetOriginal, "+24:00"}}},
       kOne},
      {"directories that point back to the first",
       {false, {{kDateTime, kThree}}, {}, 0, true},
       kThree},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(TiffBytes(c.tags)), c.expected) << c.what << " (TIFF)";
    EXPECT_EQ(Read(JpegBytes(TiffBytes(c.tags))), c.expected) << c.what << " (JPEG)";
  }
}

// Each piece of the bytes cut off in turn: no date, or the whole one, never a crash.
TEST(ExifDate, ReadsDataCutShortWithoutReadingBeyondIt) {
  const std::string full = JpegBytes(
      TiffBytes({true, {{kDateTime, kThree}}, {{kOriginal, kOne}, {kOffsetOriginal, "+01:00"}}}));
  const std::string whole = std::string(kOne) + " +01:00";
  for (size_t size = 0; size < full.size(); ++size) {
    const std::string read = Read(full.substr(0, size));
    EXPECT_TRUE(read == "none" || read == kThree || read.rfind(kOne, 0) == 0)
        << size << ": " << read;
  }
  EXPECT_EQ(Read(full), whole);
}

TEST(ExifDate, FindsNoDateInOtherFiles) {
  const std::string cases[] = {
      "",
      "plain text, long enough to be read as a header",
      std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
      std::string("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8),  // a JPEG without EXIF
      std::string("II*\0\x08\0\0\0", 8),                   // a TIFF header and nothing more
  };
  for (const std::string& bytes : cases) EXPECT_EQ(Read(bytes), "none") << bytes;
}

}  // namespace
