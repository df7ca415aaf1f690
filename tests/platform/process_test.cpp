#include "platform/process.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/files.h"
#include "platform/testing.h"

namespace {

TEST(Drop, AnswersAsTheShellsDropHandleDoes) {
  const std::string japanese = "C:\\日本語\\ファイル.txt";  // bytes of the ANSI code page
  const int finishedBefore = platform::testing::FinishedDrops();
  platform::DropHandle drop = platform::testing::MakeDrop({japanese, "D:\\b"});
  ASSERT_NE(drop, nullptr);

  EXPECT_EQ(platform::DropQueryFile(drop, 0xFFFFFFFFu, nullptr, 0), 2u);
  EXPECT_EQ(platform::DropQueryFile(drop, 0, nullptr, 0), japanese.size());
  EXPECT_EQ(platform::DropQueryFile(drop, 1, nullptr, 0), 4u);

  // A buffer of exactly length + 1 holds the whole path and its zero.
  std::vector<char> exact(japanese.size() + 1, 'x');
  EXPECT_EQ(platform::DropQueryFile(drop, 0, exact.data(), static_cast<uint32_t>(exact.size())),
            japanese.size());
  EXPECT_EQ(std::string(exact.data()), japanese);

  // A smaller one gets size - 1 bytes and a zero.
  char small[8];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(platform::DropQueryFile(drop, 0, small, 4), 3u);
  EXPECT_STREQ(small, "C:\\");
  EXPECT_EQ(small[4], 'x');

  char second[16];
  EXPECT_EQ(platform::DropQueryFile(drop, 1, second, sizeof second), 4u);
  EXPECT_STREQ(second, "D:\\b");
  EXPECT_EQ(platform::DropQueryFile(drop, 2, second, sizeof second), 0u);  // no such item

  platform::DropFinish(drop);
  EXPECT_EQ(platform::testing::FinishedDrops(), finishedBefore + 1);
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
