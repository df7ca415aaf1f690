// The date and time in a file's name, in the forms phones and cameras write.
#include <gtest/gtest.h>

#include "entries/name_date.h"
#include "platform/files.h"
#include "platform/testing.h"

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

TEST(NameDate, ReadsTheFormsOfMessengersAndPhoneExports) {
  struct Case {
    std::string name, expected;
  };
  const Case cases[] = {
      {"2016_05_20_19_53_18.jpg", "2016-05-20 19:53:18"},
      {"IMG_1_BURST20160520195318.jpg", "2016-05-20 19:53:18"},
      {"00100sPORTRAIT_00100_BURST20191127125345614_COVER.jpg", "2019-11-27 12:53:45"},
      {"201801261147521000.jpg", "2018-01-26 11:47:52"},
      {"Screenshot_2019-04-15-14-23-43.png", "2019-04-15 14:23:43"},
      {"Screenshot_2019-04-15-14-23-43-560_com.android.chrome.jpg", "2019-04-15 14:23:43"},
      {"Screenshot_2019-04-15-14-23-43_com.whatsapp.png", "2019-04-15 14:23:43"},
      {"FB_IMG_1496146656055.jpg", "2017-05-30 12:17:36 UTC"},
      {"20190131_123456789_iOS.jpg", "2019-01-31 12:34:56 UTC"},
      {"20190131_123456789_iOSx.jpg", "2019-01-31 12:34:56 UTC"},
      {"20190131_123456_IOS.jpg", "2019-01-31 12:34:56"},
      {"photo_2021-03-05_12-34-56.jpg", "2021-03-05 12:34:56"},
      {"photo_2021-03-05_12-34-56 (2).jpg", "2021-03-05 12:34:56"},
      {"WhatsApp Image 2020-01-15 at 10.20.30.jpeg", "2020-01-15 10:20:30"},
      {"WhatsApp Video 2020-01-15 at 10.20.30 (1).mp4", "2020-01-15 10:20:30"},
      {"20200115_102030(0).jpg", "2020-01-15 10:20:30"},
      {"20200115_102030-1.jpg", "2020-01-15 10:20:30"},
      // Counters that read as dates, and digits that run on.
      {"FB_IMG_149614665605.jpg", "none"},
      {"FB_IMG_14961466560551.jpg", "none"},
      {"XFB_IMG_1496146656055.jpg", "none"},
      {"IMG_20160520195318.jpg", "none"},
      {"2018012611475210001.jpg", "none"},
      {"2016_05_20_19_53_180.jpg", "none"},
      {"2016_05_20_19_53.jpg", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.name), c.expected) << c.name;
}

TEST(NameDate, TakesNoDateBefore1990OrAfterTomorrow) {
  platform::SetLocalTimeOverride(platform::SystemTime{2025, 7, 0, 14, 23, 59, 59, 0});
  struct Case {
    std::string name, expected;
  };
  const Case cases[] = {
      {"IMG_19900101_000000.jpg", "1990-01-01 00:00:00"},
      {"IMG_19891231_235959.jpg", "none"},
      {"IMG_20250715_235959.jpg", "2025-07-15 23:59:59"},
      {"IMG_20250716_000000.jpg", "none"},
      {"19891231_235959 then 20250714_120000.jpg", "2025-07-14 12:00:00"},
      {"FB_IMG_0631151999000.jpg", "none"},
      {"2030_01_01_00_00_00.jpg", "none"},
      {"20991231235959.jpg", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.name), c.expected) << c.name;
  platform::SetLocalTimeOverride(std::nullopt);
}

}  // namespace
