#include <gtest/gtest.h>

#include "listedit/sort.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CompareCaseless, OrdersStoredBytesWithLettersFolded) {
  struct Case {
    std::string a, b;
    int sign;
  };
  const Case cases[] = {
      {"abc", "ABC", 0},
      {"a_", "aZ", 1},  // '_' lies above 'Z' once letters fold to upper case
      {"a[", "aZ", 1},
      {"a`", "az", 1},
      {"\x83\x63", "\x83\x43", 0},  // ツ and イ under CP932: the second byte folds
      {"D:\\ab", "D:\\abc", -1},
      {"D:\\abc", "D:\\ab\\x", -1},  // 'c' folds to 0x43, below '\'
      {"", "", 0},
      {"", "a", -1},
      {"txt", "\x83\x74\x83\x48\x83\x8b\x83\x5f", -1},  // "フォルダ" starts with 0x83
      {"2001/05/06 9:05:04", "2001/05/06 10:00:00", 1},
      {"2001/05/06", "2001/05/06 0:00:01", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareCaseless(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(CompareCaseless(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
  }
}

}  // namespace
