// The settings object: numbers and flags as read, the file's name, refused writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "platform/files.h"
#include "settings/settings_file.h"
#include "support/temp_tree.h"

namespace {

TEST(SettingsFile, NumbersAreReadAsOneWholeInteger) {
  struct Case {
    const char* text;
    int32_t expected;  // 7 is the fallback
  };
  const Case cases[] = {
      {"4", 4},
      {"  12", 12},
      {"+5", 5},
      {"-5", -5},
      {"0x10", 16},
      {"0X1f", 31},
      {"$10", 16},
      {"x10", 16},
      {"X10", 16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", 7},
      {"$100000000", 7},
      {"", 7},
      {"abc", 7},
      {"0x", 7},
      {"$", 7},
      {"-", 7},
      {"12 ", 7},
      {"1.5", 7},
      {"-$10", 7},
      {"\t1", 7},
      {"0x-1", 7},
      {"yes", 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseSettingsNumber(c.text, 7), c.expected) << "'" << c.text << "'";
  }
  // Through the file, whose reader drops the blanks around a value.
  testsupport::TempTree tree;
  TSettingsFile settings(tree.Path("s.ini"));
  for (const Case& c : {Case{"0x10", 16}, Case{" $10 ", 16}, Case{"abc", 4}, Case{"", 4}}) {
    settings.WriteText("file", "max", c.text);
    EXPECT_EQ(settings.ReadNumber("file", "max", 4), c.expected) << "'" << c.text << "'";
  }
}

TEST(SettingsFile, FlagsAreNumbersThatAreNotZero) {
  testsupport::TempTree tree;
  TSettingsFile settings(tree.Path("s.ini"));
  for (const char* text : {"1", "2", "-1", "$1"}) {
    settings.WriteText("show", "toolbar", text);
    EXPECT_TRUE(settings.ReadFlag("show", "toolbar", false)) << text;
  }
  settings.WriteText("show", "toolbar", "0");
  EXPECT_FALSE(settings.ReadFlag("show", "toolbar", true));
  settings.WriteText("show", "toolbar", "yes");  // no number: the fallback
  EXPECT_TRUE(settings.ReadFlag("show", "toolbar", true));
  EXPECT_FALSE(settings.ReadFlag("show", "toolbar", false));
}

TEST(SettingsFile, IsNamedAfterTheProgram) {
  const char d = platform::kPathDelimiter;
  const std::string dir = std::string("C:") + d + "to.ols" + d;
  EXPECT_EQ(SettingsFilePath(dir + "horodex.exe"), dir + "horodex.ini");
  EXPECT_EQ(SettingsFilePath(dir + "horodex"), dir + "horodex.ini");
  EXPECT_EQ(SettingsFilePath(dir + "my.tool.exe"), dir + "my.tool.ini");
  EXPECT_EQ(SettingsFilePath(dir + "name."), dir + "name.ini");
}

TEST(SettingsFile, ARefusedWriteNamesTheFile) {
  testsupport::TempTree tree;
  TSettingsFile settings(tree.Path("no/such/folder/s.ini"));
  try {
    settings.WriteNumber("file", "max", 4);
    FAIL() << "the write was not refused";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(), tree.Path("no/such/folder/s.ini") + " に書き込めません");
  }
}

}  // namespace
