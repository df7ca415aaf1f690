#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace {

TEST(TempTree, BuildsFilesAndFoldersAndRemovesEverythingAtTheEnd) {
  std::string root;
  {
    testsupport::TempTree tree;
    root = tree.Root();
    const platform::FileTime when = testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4);
    std::string file = tree.AddFile("a/b/日本語.txt", "abc\r\n", when);
    EXPECT_EQ(file, root + platform::kPathDelimiter + "a" + platform::kPathDelimiter + "b" +
                        platform::kPathDelimiter + "日本語.txt");
    EXPECT_EQ(tree.ReadFile("a/b/日本語.txt"), "abc\r\n");
    EXPECT_EQ(tree.LastWriteTime("a/b/日本語.txt"), when);
    tree.AddFolder("a/empty");
    tree.AddFile("locked.txt", "x");
    tree.SetReadOnly("locked.txt", true);
    EXPECT_TRUE(tree.Exists("a/empty"));
    tree.Remove("a/empty");
    EXPECT_FALSE(tree.Exists("a/empty"));
    tree.SetReadOnly("a", true);  // removed at the end all the same
  }
  testsupport::TempTree probe;  // the same temp folder; the old root must be gone
  EXPECT_NE(probe.Root(), root);
  EXPECT_EQ(platform::ReadAttributes(root), platform::kInvalidAttributes);
}

TEST(TempTree, UtcFileTimeCountsFrom1601) {
  EXPECT_EQ(testsupport::UtcFileTime(1601, 1, 1).ticks, 0u);
  // 1970-01-01 is 11644473600 seconds after 1601-01-01.
  EXPECT_EQ(testsupport::UtcFileTime(1970, 1, 1).ticks, 116444736000000000u);
  EXPECT_EQ(
      testsupport::UtcFileTime(2000, 3, 1).ticks - testsupport::UtcFileTime(2000, 2, 28).ticks,
      2 * 86400 * 10000000ull);
  EXPECT_EQ(testsupport::UtcFileTime(1601, 1, 1, 0, 0, 1, 5).ticks, 10050000u);
}

}  // namespace
