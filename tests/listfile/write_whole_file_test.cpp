// Writing a file whole: the new file is complete before it takes the old one's place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listfile/write_whole_file.h"
#include "platform/testing.h"
#include "support/temp_tree.h"

namespace {

TEST(WriteWholeFile, TheNewFileIsOnTheDiskAndClosedBeforeItReplacesTheOldOne) {
  testsupport::TempTree tree;
  const std::string path = tree.AddFile("list.txt", "old");
  std::vector<std::string> calls;
  platform::testing::HearFileCalls([&](const char* call) {
    calls.emplace_back(call);
    return false;
  });
  WriteWholeFile(path, "new");
  platform::testing::HearFileCalls(nullptr);
  // The old file is opened to see that it may be replaced, and closed again.
  EXPECT_EQ(calls, (std::vector<std::string>{"close", "flush", "close", "move"}));
  EXPECT_EQ(tree.ReadFile("list.txt"), "new");
}

}  // namespace
