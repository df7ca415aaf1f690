#include <gtest/gtest.h>

#include "entries/code_page.h"
#include "entries/path_kind.h"
#include "platform/files.h"

namespace {

// Paths written with '\', turned into the platform's delimiter.
std::string P(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = platform::kPathDelimiter;
  }
  return path;
}

TEST(PathKind, IsTheExtensionAfterTheLastDelimiter) {
  struct Case {
    const char* path;
    const char* kind;
  };
  const Case cases[] = {
      {"C:\\dir\\file.txt", "txt"},
      {"C:\\dir\\FILE.TXT", "TXT"},
      {"C:\\dir\\archive.tar.gz", "gz"},
      {"C:\\dir\\noext", ""},
      {"C:\\dir\\trailing.", ""},
      {"C:\\dir\\.profile", "profile"},
      {"C:\\dir.d\\noext", ""},
      {"C:noext", ""},
      {"C:\\dir\\日本語.テキスト", "テキスト"},
  };
  for (const Case& c : cases) EXPECT_EQ(PathKind(P(c.path)), c.kind) << c.path;
}

TEST(PathKind, IgnoresDelimiterBytesInsideDoubleByteCharacters) {
  if (!IsLeadByte(0x95)) GTEST_SKIP() << "the code page has no double-byte characters";
  // "表" is 95 5C: its second byte is no delimiter, so the dot before it still counts.
  EXPECT_EQ(PathKind("C:\\dir\\a.\x95\x5c"), "\x95\x5c");
  EXPECT_FALSE(EndsWithDelimiter("C:\\\x95\x5c"));
  EXPECT_EQ(PathDirectory("C:\\dir\\\x95\x5c"), "C:\\dir\\");
}

TEST(PathKind, DelimiterAndDirectory) {
  EXPECT_TRUE(EndsWithDelimiter(P("C:\\")));
  EXPECT_FALSE(EndsWithDelimiter(P("C:\\dir")));
  EXPECT_FALSE(EndsWithDelimiter(""));
  EXPECT_EQ(PathDirectory(P("C:\\dir\\horodex.exe")), P("C:\\dir\\"));
  EXPECT_EQ(PathDirectory("C:horodex.exe"), "C:");
  EXPECT_EQ(PathDirectory("horodex.exe"), "");
}

}  // namespace
