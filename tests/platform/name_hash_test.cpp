// Paths that name the same file share a hash, so that their rows are stamped in order.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/spellings.h"

namespace {

TEST(PathNameHash, SpellingsOfOneNameShareIt) {
  const struct {
    const char* a;
    const char* b;
  } same[] = {
      {"C:\\Photos\\IMG_0001.JPG", "C:\\Photos\\IMG_0001.JPG"},
      {"C:\\Photos\\IMG_0001.JPG", "c:\\photos\\img_0001.jpg"},
      {"\\\\Server\\Share\\A.txt", "\\\\SERVER\\share\\a.TXT"},
  };
  for (const auto& pair : same) {
    EXPECT_EQ(platform::PathNameHash(pair.a), platform::PathNameHash(pair.b)) << pair.b;
  }
  EXPECT_NE(platform::PathNameHash("C:\\a.txt"), platform::PathNameHash("C:\\b.txt"));
}

// A short name, "." and "..", trailing dots and blanks, '/' for '\': one file, one number.
TEST(PathNameHash, EverySpellingOfOneFileSharesIt) {
  testsupport::TempTree tree;
  tree.AddFile("d/LongFileName.text");
  const std::vector<std::string> spellings =
      testsupport::SpellingsOf(tree, "d", "LongFileName.text");
#ifdef _WIN32
  EXPECT_EQ(spellings.size(), 7u) << "no short name";
#endif
  const uint64_t hash = platform::PathNameHash(tree.Path("d/LongFileName.text"));
  for (const std::string& spelling : spellings) {
    EXPECT_EQ(platform::PathNameHash(spelling), hash) << spelling;
  }
  EXPECT_NE(platform::PathNameHash(tree.Path("d/sub/LongFileName.text")), hash);
}

}  // namespace
