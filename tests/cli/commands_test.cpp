// horodex-cli on a scratch tree: the window's rows, the stamps, the reports and exit statuses.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#endif

#include "cli/list_dates.h"
#include "cli/run.h"
#include "entries/date_format.h"
#include "entries/date_settings.h"
#include "entries/date_test_settings.h"
#include "entries/date_value.h"
#include "entries/file_dates.h"
#include "listfile/list_file_fixture.h"
#include "platform/code_page.h"
#include "platform/console.h"
#include "support/embedded_files.h"
#include "support/local_dates.h"
#include "support/photo_bytes.h"
#include "support/recorded_console.h"
#include "support/temp_tree.h"

namespace {

using testsupport::LocalFileTime;
using Strings = std::vector<std::string>;

class Cli : public testsupport::ListFileTest {
 protected:
  int Run(const Strings& words) {
    console = {};
    return RunCli(words, console);
  }
  // A list file line of quoted fields.
  static std::string Line(const std::string& date, const std::string& path,
                          const std::string& kind) {
    // As a list file holds it: in the code page where every character has its form there.
    const std::string text = "\"" + date + "\",\"" + path + "\",\"" + kind + "\"\r\n";
    std::string bytes;
    return platform::Utf8ToAnsi(text, bytes) ? bytes : text;
  }
  std::string Reported(const std::string& relative, const std::string& why) const {
    return "horodex-cli: " + tree.Path(relative) + ": " + why + "\n";
  }
  testsupport::RecordedConsole console;
  const platform::FileTime kOld = LocalFileTime(2000, 1, 1, 12);
};

TEST_F(Cli, ListsWhatTheWindowSavesAfterADropOfTheSamePaths) {
  tree.AddFile("d/b.txt", "", LocalFileTime(2001, 5, 6, 9, 5, 5));  // shown as 9:05:04, as a.TXT
  tree.AddFile("d/a.TXT", "", LocalFileTime(2001, 5, 6, 9, 5, 4));
  tree.AddFile("d/sub/c", "", LocalFileTime(1999, 12, 31));
  tree.AddFile("e.log", "", LocalFileTime(2010, 1, 1, 0, 0, 1));
  tree.SetTimes("d/sub", LocalFileTime(2003, 1, 2, 3, 4, 6));
  tree.SetTimes("d", LocalFileTime(2002, 2, 2));
  const Strings paths = {tree.Path("d"), tree.Path("e.log"), tree.Path("d/sub")};
  ui::testing::DropFiles(*form, paths);
  ASSERT_EQ(form->ListView1.Count(), 8);
  Save("window.txt");

  Strings words = {"list"};
  words.insert(words.end(), paths.begin(), paths.end());
  EXPECT_EQ(Run(words), 0);
  EXPECT_EQ(console.out, tree.ReadFile("window.txt"));
  words.insert(words.end(), {"-o", tree.Path("cli.txt")});
  EXPECT_EQ(Run(words), 0);
  EXPECT_EQ(console.out + console.err, "");
  EXPECT_EQ(tree.ReadFile("cli.txt"), tree.ReadFile("window.txt"));
}

TEST_F(Cli, ListShowsTheTimeItIsAskedFor) {
  tree.AddFile("a.txt", "", kOld);
  tree.SetTimes("a.txt", kOld, LocalFileTime(2002, 2, 2, 2, 2, 2));
  EXPECT_EQ(Run({"list", "--time", "a", tree.Path("a.txt")}), 0);
  EXPECT_EQ(console.out, Line("2002/02/02 2:02:02", tree.Path("a.txt"), "txt"));
  EXPECT_EQ(Run({"list", "--time", "w", tree.Path("a.txt")}), 0);
  EXPECT_EQ(console.out, Line("2000/01/01 12:00:00", tree.Path("a.txt"), "txt"));
}

TEST_F(Cli, ListKeepsRowsOfOneDateInTheOrderTheyCame) {
  // More rows than a sort puts in order one by one, named out of the order of their names.
  tree.AddFile("early.txt", "", LocalFileTime(2000, 1, 1));
  Strings words = {"list"};
  std::string tied;
  for (int i = 0; i < 40; ++i) {
    const std::string name = std::to_string(i * 7 % 40) + ".txt";
    tree.AddFile(name, "", LocalFileTime(2001, 1, 1));
    words.push_back(tree.Path(name));
    tied += Line("2001/01/01", tree.Path(name), "txt");
  }
  words.push_back(tree.Path("early.txt"));
  EXPECT_EQ(Run(words), 0);
  EXPECT_EQ(console.out, Line("2000/01/01", tree.Path("early.txt"), "txt") + tied);
}

TEST_F(Cli, ListReportsPathsWithoutADateAndWritesTheRest) {
  tree.AddFile("ok.txt", "", LocalFileTime(2001, 1, 1));
  tree.AddFile("old.txt", "", LocalFileTime(1979, 12, 31, 12));
  EXPECT_EQ(Run({"list", tree.Path("ok.txt"), tree.Path("missing"), tree.Path("old.txt")}), 1);
  EXPECT_EQ(console.out, Line("1979/12/31 12:00:00", tree.Path("old.txt"), "txt") +
                             Line("2001/01/01", tree.Path("ok.txt"), "txt"));
  EXPECT_EQ(console.err, Reported("missing", "日付に変換できない値が渡されました"));
}

TEST_F(Cli, ListReportsAFolderThatMayNotBeRead) {
#ifdef _WIN32
  GTEST_SKIP() << "the scratch tree cannot shut a folder to its owner here";
#else
  tree.AddFile("d/shut/inner.txt", "", LocalFileTime(2001, 1, 1));
  tree.AddFile("d/open.txt", "", LocalFileTime(2001, 1, 1));
  chmod(tree.Path("d/shut").c_str(), 0);
  if (DIR* readable = opendir(tree.Path("d/shut").c_str())) {
    closedir(readable);
    chmod(tree.Path("d/shut").c_str(), 0755);
    GTEST_SKIP() << "this user reads every folder (root)";
  }
  const int status = Run({"list", tree.Path("d")});
  chmod(tree.Path("d/shut").c_str(), 0755);
  EXPECT_EQ(status, 1);
  // A folder that cannot be opened has no date to show either: its row is left out.
  EXPECT_EQ(console.err, Reported("d/shut", "cannot list the folder: Access is denied.") +
                             Reported("d/shut", "日付に変換できない値が渡されました"));
  EXPECT_NE(console.out.find(tree.Path("d/open.txt")), std::string::npos);
#endif
}

TEST_F(Cli, ApplyStampsEveryRowAndItsBackupGivesTheTimesBackToTheSecond) {
  const platform::FileTime a = LocalFileTime(2004, 7, 8, 21, 30, 45);
  const platform::FileTime b = LocalFileTime(1975, 3, 4, 5, 6, 7);  // before any packed date
  const platform::FileTime d = LocalFileTime(2020, 2, 29, 23, 59, 59);
  tree.AddFile("d/a.txt", "", a);
  tree.AddFile("d/b", "", b);
  tree.SetTimes("d", d);
  tree.AddFile("list.txt", Line("2001/05/06 9:05:04", tree.Path("d/a.txt"), "txt") +
                               Line("2001/05/07", tree.Path("d"), "フォルダ") +
                               Line("2001/05/08 23:59:59", tree.Path("d/b"), ""));

  EXPECT_EQ(Run({"apply", tree.Path("list.txt"), "--backup", tree.Path("backup.txt")}), 0);
  EXPECT_EQ(console.out + console.err, "");
  EXPECT_EQ(tree.LastWriteTime("d/a.txt"), LocalFileTime(2001, 5, 6, 9, 5, 4));
  EXPECT_EQ(tree.LastWriteTime("d"), LocalFileTime(2001, 5, 7));
  EXPECT_EQ(tree.LastWriteTime("d/b"), LocalFileTime(2001, 5, 8, 23, 59, 59));

  EXPECT_EQ(Run({"apply", tree.Path("backup.txt")}), 0);
  EXPECT_EQ(tree.LastWriteTime("d/a.txt"), a);
  EXPECT_EQ(tree.LastWriteTime("d"), d);
  EXPECT_EQ(tree.LastWriteTime("d/b"), b);
}

// A backup is the only way back: it replaces no file unless asked, and never a list.
TEST_F(Cli, ApplyRefusesABackupThatWouldReplaceAFile) {
  struct Case {
    const char* backup;
    bool force;
    int status;
  };
  const Case cases[] = {
      {"old-backup.txt", false, 2}, {"list.txt", true, 2}, {"old-backup.txt", true, 0}};
  for (const Case& c : cases) {
    tree.AddFile("a.txt", "", kOld);
    tree.AddFile("old-backup.txt", "keep");
    tree.AddFile("list.txt", Line("2001/01/01", tree.Path("a.txt"), "txt"));
    Strings words = {"apply", tree.Path("list.txt"), "--backup", tree.Path(c.backup)};
    if (c.force) words.push_back("--force-backup");
    EXPECT_EQ(Run(words), c.status) << c.backup;
    const bool applied = c.status == 0;
    EXPECT_EQ(tree.LastWriteTime("a.txt"), applied ? LocalFileTime(2001, 1, 1) : kOld) << c.backup;
    EXPECT_EQ(tree.ReadFile("list.txt"), Line("2001/01/01", tree.Path("a.txt"), "txt"));
    EXPECT_EQ(tree.ReadFile("old-backup.txt") == "keep", !applied) << c.backup;
  }
}

TEST_F(Cli, ApplyAppliesNothingWhileARowCannotBeRead) {
  tree.AddFile("a.txt", "", kOld);
  const std::string a = tree.Path("a.txt");
  tree.AddFile("one.txt", Line("2001/01/01", a, "txt") + "\"2001/01/02\",\"" + a + "\"\r\n" +
                              Line("later", a, "txt"));
  tree.AddFile("two.txt", Line("2001/01/03", a, "txt") + Line("2001/01/04 5:06", a, "txt"));
  const std::string one = tree.Path("one.txt");
  EXPECT_EQ(Run({"apply", one, tree.Path("missing.txt"), tree.Path("two.txt")}), 2);
  EXPECT_EQ(console.err, one + ":2: リストのインデックスが範囲を超えています (2)\n" + one +
                             ":3: 'later' は日付または時刻ではありません\n" +
                             Reported("missing.txt", "ファイルが見つかりません"));
  EXPECT_EQ(tree.LastWriteTime("a.txt"), kOld);

  EXPECT_EQ(Run({"apply", "--dry-run", tree.Path("two.txt")}), 0);
  EXPECT_EQ(console.out, "2 rows would be applied\n");
  EXPECT_EQ(tree.LastWriteTime("a.txt"), kOld);
}

TEST_F(Cli, ApplyReportsEachRowThatFailsWithItsReasonAndAppliesTheRest) {
  tree.AddFile("ok.txt", "", kOld);
  const std::string ok = tree.Path("ok.txt");
  tree.AddFile("list.txt", Line("1500/01/01", ok, "txt") +
                               Line("2001/01/01", tree.Path("missing.txt"), "txt") +
                               Line("2001/01/02", ok, "txt"));
  EXPECT_EQ(Run({"apply", tree.Path("list.txt")}), 1);
  EXPECT_EQ(console.err,
            Reported("ok.txt", "no file time holds this date") +
                Reported("missing.txt", "cannot open: " + platform::SystemErrorText(2)) +
                "horodex-cli: 2 of 3 rows failed\n");
  EXPECT_EQ(tree.LastWriteTime("ok.txt"), LocalFileTime(2001, 1, 2));
}

TEST_F(Cli, ApplySetsOnlyTheTimesItIsGiven) {
  const platform::FileTime access = LocalFileTime(2002, 2, 2, 2, 2, 2);
  tree.AddFile("a.txt", "", kOld);
  tree.AddFile("w.txt", "", kOld);
  tree.SetTimes("a.txt", kOld, access);
  tree.AddFile("a-list.txt", Line("2001/01/01", tree.Path("a.txt"), "txt"));
  tree.AddFile("w-list.txt", Line("2001/01/01", tree.Path("w.txt"), "txt"));
  EXPECT_EQ(Run({"apply", "--times", "a", tree.Path("a-list.txt")}), 0);
  EXPECT_EQ(Run({"apply", tree.Path("w-list.txt"), "--times", "c,w"}), 0);
  EXPECT_EQ(tree.LastWriteTime("a.txt"), kOld);
  EXPECT_EQ(tree.LastAccessTime("a.txt"), LocalFileTime(2001, 1, 1));
  EXPECT_EQ(tree.LastWriteTime("w.txt"), LocalFileTime(2001, 1, 1));
  EXPECT_EQ(tree.LastAccessTime("w.txt"), kOld);
}

TEST_F(Cli, ListTakesTheDatesPhotosWereTakenToTheSecond) {
  using testsupport::JpegBytes;
  using testsupport::TiffBytes;
  constexpr uint16_t kDateTime = 0x0132, kOriginal = 0x9003, kOffsetOriginal = 0x9011;
  tree.AddFile("p/a.jpg", JpegBytes(TiffBytes({false, {}, {{kOriginal, "2025:07:14 15:07:59"}}})),
               kOld);
  // Taken at 22:00 UTC: shown in local time.
  tree.AddFile("p/b.jpg",
               JpegBytes(TiffBytes(
                   {true, {}, {{kOriginal, "2010:01:01 00:00:00"}, {kOffsetOriginal, "+02:00"}}})),
               kOld);
  // The directories after 100,000 bytes of image data, as TIFF writers often place them.
  tree.AddFile("p/c.tif", TiffBytes({true, {{kDateTime, "2003:04:05 06:07:08"}}, {}, 100000}),
               kOld);
  tree.AddFile("p/notes.txt", "no photo", kOld);
  tree.SetTimes("p", kOld);
  platform::FileTime b;
  platform::UtcToLocalTime(testsupport::UtcFileTime(2009, 12, 31, 22), b);

  EXPECT_EQ(Run({"list", "--date-from", "exif", tree.Path("p")}), 0);
  EXPECT_EQ(console.out, Line("2000/01/01 12:00:00", tree.Path("p"), "フォルダ") +
                             Line("2000/01/01 12:00:00", tree.Path("p/notes.txt"), "txt") +
                             Line("2003/04/05 6:07:08", tree.Path("p/c.tif"), "tif") +
                             Line(LocalTimeDateText(b), tree.Path("p/b.jpg"), "jpg") +
                             Line("2025/07/14 15:07:59", tree.Path("p/a.jpg"), "jpg"));
  EXPECT_EQ(console.err,
            "horodex-cli: files without a date taken: 1, listed with their last-write date\n");
}

TEST_F(Cli, ListTakesDatesFromNamesAndLeavesOutTheUndatedWhenAsked) {
  tree.AddFile("n/IMG_20250714_150758.jpg", "", kOld);
  tree.AddFile("n/2024-02-29 23.59.59.png", "", kOld);
  tree.AddFile("n/IMG_20251314_150758.jpg", "", kOld);
  tree.AddFolder("n/20010203_040506");
  tree.SetTimes("n/20010203_040506", kOld);
  tree.SetTimes("n", kOld);
  EXPECT_EQ(Run({"list", "--date-from", "name", "--only-dated", "--verbose", tree.Path("n")}), 0);
  EXPECT_EQ(console.out,
            Line("2000/01/01 12:00:00", tree.Path("n"), "フォルダ") +
                Line("2000/01/01 12:00:00", tree.Path("n/20010203_040506"), "フォルダ") +
                Line("2024/02/29 23:59:59", tree.Path("n/2024-02-29 23.59.59.png"), "png") +
                Line("2025/07/14 15:07:58", tree.Path("n/IMG_20250714_150758.jpg"), "jpg"));
  EXPECT_EQ(console.err, Reported("n/IMG_20251314_150758.jpg", "no date in its name") +
                             "horodex-cli: files without a date in their name: 1, left out\n");
}

TEST_F(Cli, ListTakesVideoDatesAndPixelNamesAsUtcAndOtherPhotoDatesAsTheyStand) {
  tree.AddFile("m/clip.mp4", testsupport::EmbeddedFile("moov-last.mp4"), kOld);
  tree.AddFile("m/photo.avif", testsupport::EmbeddedFile("exiftool-local.avif"), kOld);
  tree.AddFile("m/PXL_20250714_150758123.jpg", "", kOld);
  tree.SetTimes("m", kOld);
  platform::FileTime clip, named;
  platform::UtcToLocalTime(testsupport::UtcFileTime(2023, 1, 15, 1, 20, 30), clip);
  platform::UtcToLocalTime(testsupport::UtcFileTime(2025, 7, 14, 15, 7, 58), named);
  const std::string folder = Line("2000/01/01 12:00:00", tree.Path("m"), "フォルダ");

  EXPECT_EQ(Run({"list", "--date-from", "exif", "--only-dated", tree.Path("m")}), 0);
  EXPECT_EQ(console.out, folder + Line("2020/12/31 23:59:59", tree.Path("m/photo.avif"), "avif") +
                             Line(LocalTimeDateText(clip), tree.Path("m/clip.mp4"), "mp4"));
  EXPECT_EQ(Run({"list", "--date-from", "name", "--only-dated", tree.Path("m")}), 0);
  EXPECT_EQ(console.out, folder + Line(LocalTimeDateText(named),
                                       tree.Path("m/PXL_20250714_150758123.jpg"), "jpg"));
}

TEST_F(Cli, ShiftMovesEveryRowInPlaceOrIntoOneFile) {
  const std::string a = tree.Path("a.txt"), d = tree.Path("d");
  tree.AddFile("one.txt", Line("2001/01/31 23:30:00", a, "txt") + Line("2024/02/28 12:00", a, ""));
  tree.AddFile("two.txt", Line("2001/05/06", d, "フォルダ"));
  const std::string one = tree.ReadFile("one.txt");

  EXPECT_EQ(
      Run({"shift", "+1d", tree.Path("one.txt"), tree.Path("two.txt"), "-o", tree.Path("out.txt")}),
      0);
  EXPECT_EQ(tree.ReadFile("out.txt"), Line("2001/02/01 23:30:00", a, "txt") +
                                          Line("2024/02/29 12:00:00", a, "") +
                                          Line("2001/05/07", d, "フォルダ"));
  EXPECT_EQ(tree.ReadFile("one.txt"), one);

  EXPECT_EQ(Run({"shift", "-1h", tree.Path("one.txt")}), 0);
  EXPECT_EQ(console.out + console.err, "");
  EXPECT_EQ(tree.ReadFile("one.txt"),
            Line("2001/01/31 22:30:00", a, "txt") + Line("2024/02/28 11:00:00", a, ""));
}

TEST_F(Cli, ShiftWritesNothingWhileARowCannotBeMoved) {
  const std::string a = tree.Path("a.txt");
  tree.AddFile("one.txt", Line("2001/01/02", a, "txt"));
  tree.AddFile("two.txt", Line("2001/01/02", a, "txt") + Line("1601/01/01", a, "txt") +
                              Line("later", a, "txt"));
  const std::string one = tree.Path("one.txt"), two = tree.Path("two.txt");
  EXPECT_EQ(Run({"shift", "-1d", one, two}), 2);
  EXPECT_EQ(console.err, two + ":2: the shifted date lies outside the range of file times\n" + two +
                             ":3: 'later' は日付または時刻ではありません\n");
  EXPECT_EQ(tree.ReadFile("one.txt"), Line("2001/01/02", a, "txt"));

  // The list with the bad rows first: a good list after it must not make the call good.
  const std::string twoText = tree.ReadFile("two.txt");
  EXPECT_EQ(Run({"shift", "+1h", two, one}), 2);
  EXPECT_EQ(tree.ReadFile("two.txt"), twoText);
  EXPECT_EQ(tree.ReadFile("one.txt"), Line("2001/01/02", a, "txt"));
}

TEST_F(Cli, ShiftReplacesNoListWhileOneCannotBeWritten) {
  const std::string a = tree.Path("a.txt");
  tree.AddFile("one.txt", Line("2001/01/02", a, "txt"));
  tree.AddFile("two.txt", Line("2001/01/02", a, "txt"));
  tree.SetReadOnly("two.txt", true);
  if (platform::FileHandle::Open(tree.Path("two.txt"), platform::kGenericWrite, 0,
                                 platform::kOpenExisting, platform::kFlagNormal)
          .Valid()) {
    GTEST_SKIP() << "this user may write read-only files (root)";
  }
  EXPECT_EQ(Run({"shift", "+1d", tree.Path("one.txt"), tree.Path("two.txt")}), 2);
  EXPECT_EQ(tree.ReadFile("one.txt"), Line("2001/01/02", a, "txt"));
  EXPECT_EQ(tree.ReadFile("two.txt"), Line("2001/01/02", a, "txt"));
}

TEST_F(Cli, ShiftNamesTheListsAlreadyReplacedWhenAMoveFails) {
  const std::string a = tree.Path("a.txt"), one = tree.Path("one.txt"), two = tree.Path("two.txt");
  tree.AddFile("one.txt", Line("2001/01/02", a, "txt"));
  tree.AddFile("two.txt", Line("2001/01/02", a, "txt"));
  int moves = 0;
  // Both new lists are written; then a folder takes the second list's place.
  platform::testing::HearFileCalls([&](const char* call) {
    if (std::string(call) == "move" && ++moves == 2) {
      platform::RemoveFile(two);
      tree.AddFolder("two.txt");
    }
    return false;
  });
  const int status = Run({"shift", "+1d", one, two});
  platform::testing::HearFileCalls({});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(tree.ReadFile("one.txt"), Line("2001/01/03", a, "txt"));
  EXPECT_EQ(console.err, "horodex-cli: ファイル " + two +
                             " を作成できません\nhorodex-cli: lists already replaced: " + one +
                             "\n");
}

// A backup is written in the user's format, and reads back in it: a two-digit year would
// come back in another century.
TEST(BackupDates, AreWrittenInTheUserFormatWithFourDigitYears) {
  struct Case {
    DateSettingsRecord settings;
    const char* shortDate;
    const char* text;
  };
  const Case cases[] = {
      {datetest::YearMonthDay(), "yy/MM/dd", "1975/03/04 17:06:07"},
      {datetest::MonthDayYear(), "M/d/yy", "3/4/1975 5:06:07 p.m."},
      {datetest::DayMonthYear(), "dd.MM.yy", "04.03.1975 17:06:07"},
  };
  testsupport::TempTree tree;
  tree.AddFile("a.txt", "", LocalFileTime(1975, 3, 4, 17, 6, 7));
  for (const Case& c : cases) {
    DateSettingsRecord settings = c.settings;
    settings.shortDateFormat = c.shortDate;
    const datetest::SettingsScope scope(settings);
    std::string text;
    EXPECT_EQ(SecondsDateText(tree.Path("a.txt"), false, text), SecondsText::Written);
    EXPECT_EQ(text, c.text);
  }
  std::string text;
  EXPECT_EQ(SecondsDateText(tree.Path("missing.txt"), false, text), SecondsText::Unread);
}

// A format whose text reads back as no date, or as another one, makes no backup.
TEST(BackupDates, AreRefusedInAFormatThatDoesNotReadBack) {
  const struct {
    const char* shortDate;
    const char* text;
  } cases[] = {
      {"d MMM yyyy", "4 Mar 1975 17:06:07"},  // the month's name is not read
      {"yyyy/dd/MM", "1975/04/03 17:06:07"},  // read year, month, day: April 3
  };
  testsupport::TempTree tree;
  tree.AddFile("a.txt", "", LocalFileTime(1975, 3, 4, 17, 6, 7));
  for (const auto& c : cases) {
    DateSettingsRecord settings = datetest::DayMonthYear();
    settings.shortDateFormat = c.shortDate;
    settings.dateSeparator = '/';
    const datetest::SettingsScope scope(settings);
    std::string text;
    EXPECT_EQ(SecondsDateText(tree.Path("a.txt"), false, text), SecondsText::Unreadable)
        << c.shortDate;
    EXPECT_EQ(text, c.text);
  }
}

TEST(ListDates, KeepFourDigitYearsWhereTheLocaleGivesNoDateFormat) {
#ifdef _WIN32
  GTEST_SKIP() << "every Windows locale gives date formats";
#else
  const DateSettingsRecord saved = DateSettings;
  setenv("LC_ALL", "C", 1);
  ReadListDateSettings();
  double date = 0, time = 0;
  TryEncodeDate(2080, 1, 2, date);
  TryEncodeTime(3, 4, 5, 0, time);
  const std::string text = FormatDateText(date + time);
  setenv("LC_ALL", "ja_JP.UTF-8", 1);
  ReadDateSettings();
  DateSettings = saved;
  EXPECT_EQ(text, "2080/01/02 3:04:05");
#endif
}

}  // namespace
