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
#include "platform/files.h"
#include "platform/testing.h"

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
