// Profile files read and written by name. Both builds run the same table: the Win32 profile
// functions under Wine, and the posix layer's own reader and writer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/temp_tree.h"

namespace {

using Strings = std::vector<std::string>;

TEST(Profile, ReadsValuesByTheRulesOfTheProfileFunctions) {
  struct Case {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;  // "<default>" when the fallback comes back
  };
  const Case cases[] = {
      {"[show]\r\ntoolbar=0\r\n", "show", "toolbar", "0"},
      {"[SHOW]\r\n  ToolBar =  1  \r\n", "show", "TOOLBAR", "1"},  // case and blanks
      {"[show]\ntoolbar=0\n", "show", "toolbar", "0"},             // LF alone
      {"[s]\r\nk=\"a b\"\r\n", "s", "k", "a b"},                   // one pair of quotes goes
      {"[s]\r\nk='a'\r\n", "s", "k", "a"},
      {"[s]\r\nk=\"\"\r\n", "s", "k", ""},
      {"[s]\r\nk=\"a\r\n", "s", "k", "\"a"},
      {"[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
      {"[s]\r\nk=\r\n", "s", "k", ""},
      {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},  // the first one counts
      {"k=1\r\n[s]\r\n", "s", "k", "<default>"},
      {"[t]\r\nk=1\r\n[s]\r\nj=2\r\n", "s", "k", "<default>"},
      {"[s]\r\nk=1\r\n", "t", "k", "<default>"},
      {"", "s", "k", "<default>"},
  };
  testsupport::TempTree tree;
  int n = 0;
  for (const Case& c : cases) {
    // A file of its own each time: the system may keep a profile file it has read.
    const std::string file = tree.AddFile("r" + std::to_string(n++) + ".ini", c.text);
    EXPECT_EQ(platform::ReadProfileValue(file, c.section, c.key, "<default>", 2048), c.expected)
        << c.text;
  }
  EXPECT_EQ(platform::ReadProfileValue(tree.Path("missing.ini"), "s", "k", "d", 2048), "d");
  const std::string file = tree.AddFile("long.ini", "[s]\r\nk=" + std::string(3000, 'v') + "\r\n");
  EXPECT_EQ(platform::ReadProfileValue(file, "s", "k", "", 2048), std::string(2047, 'v'));
}

TEST(Profile, KeyNamesComeInFileOrder) {
  testsupport::TempTree tree;
  const std::string file = tree.AddFile(
      "p.ini",
      "[recent]\r\n0=a\r\nx = b\r\n;note\r\n\r\n1=c\r\n[other]\r\n2=d\r\n[Recent]\r\n3=e\r\n");
  EXPECT_EQ(platform::ReadProfileKeys(file, "RECENT", 16384), (Strings{"0", "x", "1"}));
  EXPECT_EQ(platform::ReadProfileKeys(file, "none", 16384), Strings{});
  EXPECT_EQ(platform::ReadProfileKeys(tree.Path("missing.ini"), "recent", 16384), Strings{});
}

// What a write leaves: the values read back the same on both builds. The posix writer
// changes the written line only; Wine's writes the whole file again in its own form, so the
// exact text is checked on the posix build alone.
TEST(Profile, AWriteChangesOnlyItsKey) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;  // the posix writer's text
  };
  const Case cases[] = {
      {"", "file", "max", "4", "[file]\r\nmax=4\r\n"},
      {"; mine\r\n[show]\r\n Toolbar = 0\r\nextra=x\r\n\r\n[window]\r\nleft=1\r\n", "SHOW",
       "toolbar", "1", "; mine\r\n[show]\r\nToolbar=1\r\nextra=x\r\n\r\n[window]\r\nleft=1\r\n"},
      {"[show]\r\ntoolbar=1\r\n\r\n[window]\r\nleft=1\r\n", "show", "window", "0",
       "[show]\r\ntoolbar=1\r\nwindow=0\r\n\r\n[window]\r\nleft=1\r\n"},
      {"[show]\r\ntoolbar=1", "show", "statusbar", "1", "[show]\r\ntoolbar=1\r\nstatusbar=1\r\n"},
      {"[show]\r\n", "recent", "0", "C:\\a b.txt", "[show]\r\n[recent]\r\n0=C:\\a b.txt\r\n"},
      {"[a]\r\nk=1", "b", "k", "2", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"},
      // A last line ended by a CR alone gets its LF, not a second CR.
      {"[a]\r\nk=1\r", "a", "j", "2", "[a]\r\nk=1\r\nj=2\r\n"},
      {"[a]\r\nk=1\r", "b", "k", "2", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"},
  };
  testsupport::TempTree tree;
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "w" + std::to_string(n++) + ".ini";
    const std::string file = tree.AddFile(name, c.before);
    ASSERT_TRUE(platform::WriteProfileValue(file, c.section, c.key, c.value)) << c.before;
    EXPECT_EQ(platform::ReadProfileValue(file, c.section, c.key, "", 2048), c.value);
#ifndef _WIN32
    EXPECT_EQ(tree.ReadFile(name), c.after) << c.before;
#endif
  }
  // The untouched keys of the second case are all still there.
  const std::string file = tree.AddFile("kept.ini", cases[1].before);
  ASSERT_TRUE(platform::WriteProfileValue(file, "show", "toolbar", "1"));
  EXPECT_EQ(platform::ReadProfileValue(file, "show", "extra", "", 2048), "x");
  EXPECT_EQ(platform::ReadProfileValue(file, "window", "left", "", 2048), "1");
  EXPECT_EQ(platform::ReadProfileKeys(file, "show", 16384), (Strings{"Toolbar", "extra"}));
}

TEST(Profile, AWriteToAFileThatCannotBeWrittenIsRefused) {
  testsupport::TempTree tree;
  const std::string file = tree.AddFile("ro.ini", "[s]\r\nk=1\r\n");
  tree.SetReadOnly("ro.ini", true);
  if (platform::WriteProfileValue(file, "s", "k", "1")) {
    GTEST_SKIP() << "this user may write read-only files (root)";
  }
  EXPECT_FALSE(platform::WriteProfileValue(file, "s", "k", "2"));
  EXPECT_EQ(platform::ReadProfileValue(file, "s", "k", "", 2048), "1");
  EXPECT_FALSE(platform::WriteProfileValue(tree.Path("no/such/folder/p.ini"), "s", "k", "1"));
}

}  // namespace
