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

// "表" is 95 5C in code page 932; its UTF-8 holds no delimiter, so the dot before it counts.
TEST(PathKind, IgnoresDelimiterBytesInsideDoubleByteCharacters) {
  EXPECT_EQ(PathKind(P("C:\\dir\\a.表")), "表");
  EXPECT_FALSE(EndsWithDelimiter(P("C:\\表")));
  EXPECT_EQ(PathDirectory(P("C:\\dir\\表")), P("C:\\dir\\"));
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
