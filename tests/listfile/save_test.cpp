// File > Save: the format, and a failure that never costs the old file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "listfile/list_file_fixture.h"
#include "listfile/list_file_text.h"
#include "platform/files.h"
#include "platform/testing.h"
#include "support/code_page_932.h"

namespace {

using platform::FileHandle;
using testsupport::ListFileTest;

FileHandle OpenHere(const std::string& path, uint32_t access) {
  return FileHandle::Open(path, access, platform::kShareRead, platform::kOpenExisting,
                          platform::kFlagNormal);
}

// Writes fail after the given bytes until the guard goes.
struct FailingWrites {
  explicit FailingWrites(std::optional<uint64_t> bytes) {
    platform::testing::FailWritesAfter(bytes);
  }
  ~FailingWrites() { platform::testing::FailWritesAfter(std::nullopt); }
};

// The flushes, closes and moves of files while the guard lives. With `movesSucceed` a move
// counts as done without being made, as if nothing protected the file it replaces.
struct HeardCalls {
  explicit HeardCalls(bool movesSucceed = false) {
    platform::testing::HearFileCalls([this, movesSucceed](const char* call) {
      calls.emplace_back(call);
      return movesSucceed && calls.back() == "move";
    });
  }
  ~HeardCalls() { platform::testing::HearFileCalls(nullptr); }
  std::vector<std::string> calls;
};

// A list of code page 932 names, sorted by path in the code page's order (kanji by reading,
// letters folded), is saved byte for byte as the previous version saved it; the expected bytes
// are that version's own file.
TEST_F(ListFileTest, CodePage932NamesSaveAsThePreviousVersionSavedThem) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  const std::string previous =
      "\"2010/7/28 9:10:12\",\"C:\\a\\readme.txt\",\"txt\"\r\n"
      "\"2010/7/27 9:10:12\",\"C:\\B\\notes.TXT\",\"TXT\"\r\n"
      "\"2010/7/26 9:10:12\",\"C:\\_x\\6.txt\",\"txt\"\r\n"
      "\"2010/7/25 9:10:12\",\"C:\\\x83t\x83H\x83\x8B\x83_\",\"\x83t\x83H\x83\x8B\x83_\"\r\n"
      "\"2010/7/24 9:10:12\",\"C:\\\x88\x9F\\2.jpg\",\"jpg\"\r\n"
      "\"2010/7/23 9:10:12\",\"C:\\\x88\xEA\\3.jpg\",\"jpg\"\r\n"
      "\"2010/7/22 9:10:12\",\"C:\\\x95\\\\\x83\\.txt\",\"txt\"\r\n"
      "\"2010/7/21 9:10:12\",\"C:\\\x95\xBD\x90\xAC\\5.jpg\",\"jpg\"\r\n"
      "\"2010/7/20 9:10:12\",\"C:\\\xB1\xD9\xCA\xDE\xD1\\1.jpg\",\"jpg\"\r\n"
      "\"2010/7/19 9:10:12\",\"C:\\\xEA\xA1\\4.jpg\",\"jpg\"\r\n";
  AddRows({{"2010/7/21 9:10:12", "C:\\平成\\5.jpg", "jpg"},
           {"2010/7/27 9:10:12", "C:\\B\\notes.TXT", "TXT"},
           {"2010/7/19 9:10:12", "C:\\遙\\4.jpg", "jpg"},
           {"2010/7/23 9:10:12", "C:\\一\\3.jpg", "jpg"},
           {"2010/7/25 9:10:12", "C:\\フォルダ", "フォルダ"},
           {"2010/7/20 9:10:12", "C:\\ｱﾙﾊﾞﾑ\\1.jpg", "jpg"},
           {"2010/7/28 9:10:12", "C:\\a\\readme.txt", "txt"},
           {"2010/7/22 9:10:12", "C:\\表\\ソ.txt", "txt"},
           {"2010/7/24 9:10:12", "C:\\亜\\2.jpg", "jpg"},
           {"2010/7/26 9:10:12", "C:\\_x\\6.txt", "txt"}});
  form->SortPath1Click();
  Save("previous.txt");
  EXPECT_EQ(tree.ReadFile("previous.txt"), previous);
  // And it reads back as the same rows.
  const std::vector<std::string> rows = Rows();
  Reopen();
  Open({"previous.txt"});
  form->SortPath1Click();
  EXPECT_EQ(Rows(), rows);
}

// A row that the code page cannot hold makes the whole file UTF-8 after the mark.
TEST_F(ListFileTest, ARowBeyondTheCodePageMakesTheFileUtf8AfterTheMark) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  AddRows({{"2001/05/06", "C:\\表.txt", "txt"}, {"2001/05/07", "C:\\メモ〜.txt", "txt"}});
  Save("mixed.txt");
  EXPECT_EQ(tree.ReadFile("mixed.txt"),
            "\xEF\xBB\xBF\"2001/05/06\",\"C:\\表.txt\",\"txt\"\r\n"
            "\"2001/05/07\",\"C:\\メモ〜.txt\",\"txt\"\r\n");
}

TEST_F(ListFileTest, SavesOneQuotedLinePerRowFromTheTop) {
  AddRows({{"2001/01/02 3:04:05", "C:\\b,c.txt", "txt"},
           {"2001/01/01", "C:\\a", ""},
           {"say \"hi\"", "C:\\q", "q\""}});
  Save("list.txt");
  EXPECT_EQ(BoxTexts(), "");
  EXPECT_EQ(tree.ReadFile("list.txt"),
            "\"2001/01/01\",\"C:\\a\",\"\"\r\n"
            "\"2001/01/02 3:04:05\",\"C:\\b,c.txt\",\"txt\"\r\n"
            "\"say \"\"hi\"\"\",\"C:\\q\",\"q\"\"\"\r\n");
  EXPECT_EQ(Listing(), "list.txt");
}

TEST_F(ListFileTest, AFailedSaveLeavesTheFolderAsItWas) {
  AddRows({{"2001/01/01", "C:\\a", "txt"}});
  tree.AddFile("old.txt", "old");
  tree.AddFile("held.txt", "held");
  tree.AddFile("locked.txt", "locked");
  tree.SetReadOnly("locked.txt", true);
  const bool readOnlyHolds = !OpenHere(tree.Path("locked.txt"), platform::kGenericWrite).Valid();
  const FileHandle reader = OpenHere(tree.Path("held.txt"), platform::kGenericRead);
  auto cannotCreate = [&](const std::string& relative) {
    return "ファイル " + tree.Path(relative) + " を作成できません.";
  };
  struct Case {
    std::string relative;
    std::optional<uint64_t> writable;  // bytes written before the disk is full
    std::string box;
  };
  const Case cases[] = {
      {"nowhere/list.txt", std::nullopt, cannotCreate("nowhere/list.txt")},
      {"held.txt", std::nullopt, cannotCreate("held.txt")},
      {"locked.txt", std::nullopt, cannotCreate("locked.txt")},
      {"old.txt", 10, "ストリームへの書き込みエラー."},
      {"new.txt", 0, "ストリームへの書き込みエラー."},
  };
  const std::string listing = Listing();
  for (const Case& c : cases) {
    if (c.relative == "locked.txt" && !readOnlyHolds) continue;  // root under Wine writes it
    {
      // A move would replace even a protected file: the save must stop before it.
      HeardCalls heard(true);
      FailingWrites failing(c.writable);
      Save(c.relative);
    }
    EXPECT_EQ(BoxTexts(), c.box) << c.relative;
    EXPECT_EQ(Listing(), listing) << c.relative;
  }
  EXPECT_EQ(tree.ReadFile("old.txt"), "old");
  EXPECT_EQ(tree.ReadFile("held.txt"), "held");
  EXPECT_EQ(tree.ReadFile("locked.txt"), "locked");

  Save("old.txt");  // replaced without a question
  EXPECT_EQ(BoxTexts(), "");
  EXPECT_EQ(tree.ReadFile("old.txt"), "\"2001/01/01\",\"C:\\a\",\"txt\"\r\n");
  EXPECT_EQ(Listing(), listing);
}

TEST_F(ListFileTest, AFullFileSystemKeepsTheOldFile) {
#ifdef _WIN32
  GTEST_SKIP() << "the file-size limit that makes a write fail is Linux's";
#else
  AddRows({{"2001/01/01", "C:\\a long path, longer than the limit", "txt"}});
  tree.AddFile("list.txt", "old");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit tiny = saved;
  tiny.rlim_cur = 16;
  // Past the limit write(2) fails with EFBIG, once the signal that would end us is ignored.
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  Save("list.txt");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(BoxTexts(), "ストリームへの書き込みエラー.");
  EXPECT_EQ(tree.ReadFile("list.txt"), "old");
  EXPECT_EQ(Listing(), "list.txt");
#endif
}

TEST_F(ListFileTest, ARowWithoutItsPathOrKindStopsTheSaveBeforeAnyFile) {
  tree.AddFile("short.txt", "\"1\",\"a\"\r\n");
  tree.AddFile("shorter.txt", "\"0\"\r\n");
  Open({"short.txt"});
  EXPECT_EQ(BoxTexts(), "リストのインデックスが範囲を超えています (2)");
  Save("list.txt");
  EXPECT_EQ(BoxTexts(), "リストのインデックスが範囲を超えています (1)");
  Open({"shorter.txt"});
  EXPECT_EQ(BoxTexts(), "リストのインデックスが範囲を超えています (1)");
  Save("list.txt");
  EXPECT_EQ(BoxTexts(), "リストのインデックスが範囲を超えています (0)");
  EXPECT_EQ(Listing(), "short.txt shorter.txt");
}

}  // namespace

// A big list is converted a piece at a time: a row beyond the code page anywhere in it makes
// the whole file UTF-8 after the mark, and a list the code page holds loses no piece.
TEST(ListFileText, ABigListTakesTheMarkForARowAnywhereAndLosesNoPiece) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  constexpr int kRows = 5000;  // about 170 KiB: three pieces and more
  for (int beyond : {-1, 0, kRows / 2, kRows - 1}) {
    std::vector<ui::ListItem> rows;
    std::string utf8, ansi;
    for (int i = 0; i < kRows; ++i) {
      const std::string name = i == beyond ? "メモ〜" : "表" + std::to_string(i);
      rows.push_back({"2001/05/06", {"C:\\" + name + ".txt", "txt"}});
      const std::string line = "\"2001/05/06\",\"C:\\" + name + ".txt\",\"txt\"\r\n";
      utf8 += line;
      ansi += "\"2001/05/06\",\"C:\\\x95\x5C" + std::to_string(i) + ".txt\",\"txt\"\r\n";
    }
    EXPECT_EQ(ListFileText(rows), beyond < 0 ? ansi : "\xEF\xBB\xBF" + utf8) << "row " << beyond;
  }
}
