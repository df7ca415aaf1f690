#include <gtest/gtest.h>

#include "app/error_box.h"

namespace {

TEST(ErrorBoxText, AppendsAPeriodOnlyAfterCharactersAboveIt) {
  struct Case {
    const char* message;
    const char* shown;
  };
  const Case cases[] = {
      {"", ""},
      {"abc", "abc."},
      {"abc.", "abc."},
      {"abc-", "abc-"},  // '-' (0x2D) lies below '.'
      {"abc ", "abc "},
      {"abc/", "abc/."},
      {"日付に変換できない値が渡されました", "日付に変換できない値が渡されました."},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

}  // namespace
