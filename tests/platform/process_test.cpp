#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/testing.h"

namespace {

// Wide drops and, on Windows, those of older programs in the ANSI code page give each path
// as itself.
TEST(Drop, GivesEachPathAsItself) {
  const std::string japanese = "C:\\日本語\\ファイル.txt";
  for (bool wide : {true, false}) {
    const int finishedBefore = platform::testing::FinishedDrops();
    platform::DropHandle drop = platform::testing::MakeDrop({japanese, "D:\\b"}, wide);
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(platform::DropCount(drop), 2u);
    EXPECT_EQ(platform::DropPath(drop, 0), japanese);
    EXPECT_EQ(platform::DropPath(drop, 1), "D:\\b");
    platform::DropFinish(drop);
    EXPECT_EQ(platform::testing::FinishedDrops(), finishedBefore + 1);
  }
}

TEST(CommandLine, GivesTheOverrideWhileOneIsSet) {
  const std::string real = platform::CommandLine();
  EXPECT_NE(real.find("horodex_tests"), std::string::npos) << real;
  platform::testing::SetCommandLineOverride("horodex.exe \"C:\\a b\" C:\\c");
  EXPECT_EQ(platform::CommandLine(), "horodex.exe \"C:\\a b\" C:\\c");
  platform::testing::SetCommandLineOverride(std::nullopt);
  EXPECT_EQ(platform::CommandLine(), real);
}

TEST(ModuleFileName, IsTheFullPathOfTheRunningProgram) {
  const std::string path = platform::ModuleFileName();
  EXPECT_NE(path.find("horodex_tests"), std::string::npos) << path;
  const uint32_t attributes = platform::ReadAttributes(path);
  ASSERT_NE(attributes, platform::kInvalidAttributes) << path;
  EXPECT_FALSE(attributes & platform::kAttrDirectory);
}

TEST(ShellOpen, IsRecordedInsteadOfMadeWhileRecording) {
  platform::testing::RecordShellRequests(true);
  int owner = 0;
  platform::ShellOpen(&owner, "open", "C:\\app\\readme.html", "", "C:\\app\\", platform::kSwShow);
  platform::testing::RecordShellRequests(false);
  const auto requests = platform::testing::TakeShellRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].owner, &owner);
  EXPECT_EQ(requests[0].operation, "open");
  EXPECT_EQ(requests[0].file, "C:\\app\\readme.html");
  EXPECT_EQ(requests[0].parameters, "");
  EXPECT_EQ(requests[0].directory, "C:\\app\\");
  EXPECT_EQ(requests[0].show, platform::kSwShow);
  EXPECT_TRUE(platform::testing::TakeShellRequests().empty());  // taken once
}

}  // namespace
