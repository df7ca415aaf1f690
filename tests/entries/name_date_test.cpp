// The date and time in a file's name, in the forms phones and cameras write.
#include <gtest/gtest.h>

#include "entries/name_date.h"
#include "platform/files.h"

namespace {

// "yyyy-MM-dd HH:mm:ss", " UTC" after it for a name in UTC, or "none".
std::string Read(const std::string& name) {
  platform::SystemTime t;
  bool utc;
  if (!NameDate(name, t, utc)) return "none";
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d%s", t.year, t.month, t.day,
                t.hour, t.minute, t.second, utc ? " UTC" : "");
  return text;
}

TEST(NameDate, ReadsTheFormsThatPhonesAndCamerasWrite) {
  struct Case {
    std::string name, expected;
  };
  const std::string folder = std::string("20010101_010101") + platform::kPathDelimiter;
  const Case cases[] = {
      {"IMG_20250714_150758.jpg", "2025-07-14 15:07:58"},
      {"VID_20250714-150758.mp4", "2025-07-14 15:07:58"},
      {"PXL_20250714_150758123.jpg", "2025-07-14 15:07:58 UTC"},
      {"IMG_20250714_150758_1.jpg", "2025-07-14 15:07:58"},
      {"2025-07-14 15.07.58.jpg", "2025-07-14 15:07:58"},
      {"Screenshot_2025-07-14_15-07-58.png", "2025-07-14 15:07:58"},
      {"Screenshot_2024-02-29-23-59-59-123_app.png", "2024-02-29 23:59:59"},
      {"20251314_000000 then 20250714_150758.jpg", "2025-07-14 15:07:58"},
      {folder + "IMG_20250714_150758.jpg", "2025-07-14 15:07:58"},
      {"IMG-20230115-WA0003.jpg", "2023-01-15 00:00:00"},
      {"PTT-20230115-WA0012.opus", "2023-01-15 00:00:00"},
      {"Screenshot 2024-01-05 at 10.11.12.png", "2024-01-05 10:11:12"},
      {"Screenshot 2024-01-05 at 12.11.12 AM.png", "2024-01-05 00:11:12"},
      {"Screenshot 2024-01-05 at 1.11.12\xE2\x80\xAFPM.png", "2024-01-05 13:11:12"},
      {"Screenshot 2024-01-05 at 01.11.12?PM.png", "2024-01-05 13:11:12"},
      {"Screenshot 2024-01-05 at 10.11.12 PMS.png", "2024-01-05 10:11:12"},
      {"スクリーンショット 2024-01-05 101112.png", "2024-01-05 10:11:12"},
      {"Screenshot_20240105-101112.png", "2024-01-05 10:11:12"},
      {"signal-2024-01-05-101112.jpg", "2024-01-05 10:11:12"},
      // No date: it does not exist, the digits run on, or there is no time.
      {"IMG_20251314_150758.jpg", "none"},
      {"IMG_20250714_240000.jpg", "none"},
      {"IMG_20230229_120000.jpg", "none"},
      {"IMG_120250714_150758.jpg", "none"},
      {"IMG_20250714_1507581234.jpg", "none"},
      {"2025-07-14 15.07-58.jpg", "none"},
      {"IMG_20250714.jpg", "none"},
      {"12345678_123456.txt", "none"},
      {"IMG-20230115-WA.jpg", "none"},
      {"IMG-20230115-0003.jpg", "none"},
      {"Screenshot 2024-01-05 at 13.11.12 PM.png", "none"},
      {"Screenshot 2024-01-05 at 1.11.2.png", "none"},
      {"2024-01-05 1.11.12.png", "none"},
      {"signal-2024-01-05-1011123.jpg", "none"},
      {"XPXL_20250714_150758.jpg", "2025-07-14 15:07:58"},
      {folder + "notes.txt", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.name), c.expected) << c.name;
}

}  // namespace
