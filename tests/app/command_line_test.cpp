#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using Args = std::vector<std::string>;

TEST(CommandLineArguments, SplitsAsTheShellPassesPaths) {
  struct Case {
    const char* line;
    Args expected;
  };
  const Case cases[] = {
      {"horodex.exe", {}},
      {"\"C:\\Program Files\\horodex.exe\"", {}},
      {"horodex.exe C:\\a C:\\b", {"C:\\a", "C:\\b"}},
      {"horodex.exe \t C:\\a\x01\x1f"
       "C:\\b  ",
       {"C:\\a", "C:\\b"}},
      {"horodex.exe \"C:\\My Files\\a b.txt\"", {"C:\\My Files\\a b.txt"}},
      {"horodex.exe C:\\\"My Files\"\\x", {"C:\\My Files\\x"}},
      {"horodex.exe \"\" C:\\a \"\"", {"C:\\a"}},
      {"horodex.exe \"\"\"\"C:\\a", {"C:\\a"}},
      {"horodex.exe \"C:\\unterminated quote", {"C:\\unterminated quote"}},
      {"horodex.exe C:\\日本語\\表", {"C:\\日本語\\表"}},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandLineArguments(c.line), c.expected) << c.line;
}

TEST(CommandLineArguments, KeepsAtMost4096CharactersOfAnArgument) {
  const std::string longPath(5000, 'x');
  const Args args = CommandLineArguments("horodex.exe " + longPath + " next");
  ASSERT_EQ(args.size(), 2u);
  EXPECT_EQ(args[0], std::string(4096, 'x'));
  EXPECT_EQ(args[1], "next");
}

}  // namespace
