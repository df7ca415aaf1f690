// The lines of a list file: which bytes end a line and which end the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listfile/list_lines.h"
#include "platform/files.h"
#include "support/temp_tree.h"

namespace {

using Strings = std::vector<std::string>;

Strings LinesOf(const std::string& path) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  EXPECT_TRUE(file.Valid()) << path;
  ListLines lines(file);
  Strings read;
  for (std::string line; lines.Next(line);) read.push_back(line);
  return read;
}

TEST(ListLines, EndsLinesAndTheFileByTheirRules) {
  struct Case {
    const char* rule;
    std::string bytes;
    Strings lines;
  };
  const Case cases[] = {
      {"CR LF and a lone CR end a line", "1,a\r\n2,b\r3,c", {"1,a", "2,b", "3,c"}},
      {"with a CR anywhere, a lone LF is a byte of its line", "1\n2\n3\r", {"1\n2\n3"}},
      {"without any CR, LF ends a line", "1\n2\n3\n", {"1", "2", "3"}},
      {"a CR after the Ctrl-Z does not count", "1\n2\x1A\r\n", {"1", "2"}},
      {"Ctrl-Z ends the file", "1\r\n2\x1A,w\r\n3", {"1", "2"}},
      {"a blank last line is an empty line", "1\r\n\r\n", {"1", ""}},
      {"an empty file has no line", "", {}},
  };
  testsupport::TempTree tree;
  for (const Case& c : cases) {
    EXPECT_EQ(LinesOf(tree.AddFile("case.txt", c.bytes)), c.lines) << c.rule;
  }
}

TEST(ListLines, LinesCrossThePiecesTheFileIsReadIn) {
  // The file is read 64 KiB first, then 1 MiB at a time: a line across the first end reads
  // whole, and a CR LF split by the second end is one line end (no empty last line).
  const size_t second = (64 << 10) + (1 << 20);
  const std::string first = "\"p\",\"a\",\"x\"";
  const std::string b(second - 1 - (first.size() + 2) - 4,
                      'b');  // "b," b ",y" then CR at second - 1
  testsupport::TempTree tree;
  const std::string path = tree.AddFile("big.txt", first + "\r\nb," + b + ",y\r\n");
  EXPECT_EQ(LinesOf(path), (Strings{first, "b," + b + ",y"}));
}

}  // namespace
