// Paths that name the same file share a hash, so that their rows are stamped in order.
#include <gtest/gtest.h>

#include "platform/files.h"

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

}  // namespace
