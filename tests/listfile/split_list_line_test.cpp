// The fields of one line of a list file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listfile/read_list_file.h"

namespace {

using Strings = std::vector<std::string>;

TEST(SplitListLine, SplitsFieldsByTheirRules) {
  struct Case {
    const char* rule;
    std::string line;
    Strings fields;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"NUL ends the fields of its line", "1,a,x\0tail"s, {"1", "a", "x"}},
      {"plain fields end at blanks and commas", " 1 ,\ta b,x", {"1", "a", "b", "x"}},
      {"empty fields between commas count", ",a,,", {"", "a", ""}},
      {"text after a closing quote is the next field", "\"1\"a,\"x\"y", {"1", "a", "x", "y"}},
      {"a missing closing quote runs to the line end", "\"1\",\"a\",\"x, y", {"1", "a", "x, y"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitListLine(c.line), c.fields) << c.rule;
}

}  // namespace
