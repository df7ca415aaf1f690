// The settings file across runs: what the first close writes, what a start reads back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/code_page_932.h"
#include "support/form_access.h"
#include "support/form_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class Settings : public testsupport::FormTest {
 protected:
  // Starts again with this settings file beside the program.
  void StartWith(const std::string& text) {
    programFolder.AddFile("horodex.ini", text);
    Restart("");
  }
  void CloseAndStart() {
    form->Close();
    Restart("");
  }
  std::string Value(const std::string& section, const std::string& key) const {
    return platform::ReadProfileValue(SettingsPath(), section, key, "<none>", 2048);
  }
  Strings Keys(const std::string& section) const {
    return platform::ReadProfileKeys(SettingsPath(), section, 16384);
  }
  static Strings Captions(const ui::MenuItem& menu) {
    Strings captions;
    for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Item(i).Caption());
    return captions;
  }
};

TEST_F(Settings, TheFirstCloseWritesEverySettingInItsOrder) {
  const int width = form->Width();
  form->Close();
  EXPECT_EQ(Keys("file"), Strings{"max"});
  EXPECT_EQ(Value("file", "max"), "4");
  EXPECT_EQ(Keys("recent"), Strings{});
  EXPECT_EQ(Keys("show"), (Strings{"toolbar", "statusbar", "window", "time"}));
  EXPECT_EQ(Value("show", "time"), "write");
  EXPECT_EQ(Keys("update"), (Strings{"creation", "access", "write", "changed"}));
  EXPECT_EQ(Value("show", "toolbar") + Value("show", "statusbar") + Value("show", "window"), "110");
  EXPECT_EQ(Keys("window"), (Strings{"left", "top", "width", "height"}));
  EXPECT_EQ(Value("window", "width"), std::to_string(width));
  const std::string text = programFolder.ReadFile("horodex.ini");
  EXPECT_LT(text.find("[file]"), text.find("[show]"));
  EXPECT_LT(text.find("[show]"), text.find("[window]"));
}

TEST_F(Settings, ShowFlagsReadAsNumbersWithTheirDefaults) {
  struct Case {
    const char* toolbar;
    const char* statusbar;
    const char* window;
    bool toolbarShown, statusbarShown, windowMarked;
  };
  const Case cases[] = {
      {"0", "0", "1", false, false, true},
      {"2", "yes", "yes", true, true, false},
      {"", "$0", "0x1", true, false, true},
  };
  for (const Case& c : cases) {
    StartWith(std::string("[show]\r\ntoolbar=") + c.toolbar + "\r\nstatusbar=" + c.statusbar +
              "\r\nwindow=" + c.window + "\r\n");
    EXPECT_EQ(form->ToolBar1.Visible(), c.toolbarShown) << c.toolbar;
    EXPECT_EQ(form->ShowToolBar1->Checked(), c.toolbarShown) << c.toolbar;
    EXPECT_EQ(form->StatusBar1.Visible(), c.statusbarShown) << c.statusbar;
    EXPECT_EQ(form->ShowStatusBar1->Checked(), c.statusbarShown) << c.statusbar;
    EXPECT_EQ(form->ShowWindow1->Checked(), c.windowMarked) << c.window;
  }
  // What the user chose holds across a restart: here the toolbar goes, the status bar comes.
  form->ShowToolBar1Click();
  form->ShowStatusBar1Click();
  CloseAndStart();
  EXPECT_FALSE(form->ToolBar1.Visible());
  EXPECT_TRUE(form->StatusBar1.Visible());
}

TEST_F(Settings, ThePlacementIsRestoredOnlyWhenMarkedAndKeptWhereItCanBeSeen) {
  const int left = form->Left(), top = form->Top(), width = form->Width();
  StartWith("[show]\r\nwindow=0\r\n[window]\r\nleft=40\r\ntop=30\r\nwidth=500\r\nheight=300\r\n");
  EXPECT_EQ(form->Left(), left);
  EXPECT_EQ(form->Width(), width);

  StartWith("[show]\r\nwindow=1\r\n[window]\r\ntop=30\r\nwidth=500\r\nheight=300\r\n");
  EXPECT_EQ(form->Left(), left);  // missing: where the system put it
  EXPECT_EQ(form->Top(), 30);
  EXPECT_EQ(form->Width(), 500);
  EXPECT_EQ(form->Height(), 300);

  // Partly off the screen, as the user may have left it: applied as stored.
  StartWith("[show]\r\nwindow=1\r\n[window]\r\nleft=-200\r\ntop=20\r\nwidth=500\r\n");
  EXPECT_EQ(form->Left(), -200);
  EXPECT_EQ(form->Top(), 20);

  // No part of the title bar on any screen: those values are passed over.
  StartWith("[show]\r\nwindow=1\r\n[window]\r\nleft=-5000\r\ntop=20\r\nwidth=500\r\n");
  EXPECT_EQ(form->Left(), left);
  EXPECT_EQ(form->Top(), 20);
  EXPECT_EQ(form->Width(), 500);
  StartWith("[show]\r\nwindow=1\r\n[window]\r\ntop=-4000\r\nwidth=0\r\nheight=300\r\n");
  EXPECT_EQ(form->Top(), top);
  EXPECT_EQ(form->Width(), width);
  EXPECT_EQ(form->Height(), 300);
}

TEST_F(Settings, ThePlacementAtCloseIsTheOneRestoredAtTheNextStart) {
  StartWith("[show]\r\nwindow=1\r\n");
  form->SetLeft(60);
  form->SetTop(40);
  form->SetWidth(520);
  form->SetHeight(310);
  CloseAndStart();
  EXPECT_EQ(Value("window", "left") + " " + Value("window", "top") + " " +
                Value("window", "width") + " " + Value("window", "height"),
            "60 40 520 310");
  EXPECT_EQ(form->Left(), 60);
  EXPECT_EQ(form->Top(), 40);
  EXPECT_EQ(form->Width(), 520);
  EXPECT_EQ(form->Height(), 310);
}

TEST_F(Settings, RecentFilesAreNumberedByTheirOrderInTheFile) {
  StartWith(
      "[file]\r\nmax=4\r\n[recent]\r\n0=C:\\a b.txt\r\n1=C:\\b.txt\r\nx=C:\\c.txt\r\n"
      "9=C:\\d.txt\r\n4=C:\\e.txt\r\n5=\r\n");
  const Strings shown{"0 C:\\a b.txt", "1 C:\\b.txt", "2 C:\\c.txt",
                      "3 C:\\d.txt",   "4 C:\\e.txt", "5 "};
  EXPECT_EQ(Captions(*form->Recentry1), shown);
  EXPECT_EQ(Captions(form->PopupMenu2.Items()), shown);
  EXPECT_TRUE(form->Recentry1->Item(0).AccessKeyFirst());
  // At close the first four are written under hexadecimal names; the other keys stay, so
  // the entries of "x" and "9" show twice after the next start.
  CloseAndStart();
  EXPECT_EQ(Value("recent", "0"), "C:\\a b.txt");
  EXPECT_EQ(Value("recent", "2"), "C:\\c.txt");
  EXPECT_EQ(Value("recent", "4"), "C:\\e.txt");
  EXPECT_EQ(Captions(*form->Recentry1),
            (Strings{"0 C:\\a b.txt", "1 C:\\b.txt", "2 C:\\c.txt", "3 C:\\d.txt", "4 C:\\e.txt",
                     "5 ", "6 C:\\c.txt", "7 C:\\d.txt"}));
}

TEST_F(Settings, TheSaveLimitCountsOnlyWhatIsWrittenAndNothingIsErased) {
  struct Case {
    const char* max;
    const char* maxWritten;
    Strings keys;  // section recent after the close, in file order
  };
  const Case cases[] = {{"6", "6", {"5", "4", "0", "1", "2", "3"}},
                        {"2", "2", {"5", "4", "0", "1"}},
                        {"0", "0", {"5", "4"}},
                        {"-1", "-1", {"5", "4"}},
                        {"0x10", "16", {"5", "4", "0", "1", "2", "3"}}};
  for (const Case& c : cases) {
    StartWith(std::string("[file]\r\nmax=") + c.max +
              "\r\n[recent]\r\n5=C:\\old5\r\n4=C:\\old4\r\n");
    for (const char* path : {"C:\\n1", "C:\\n2", "C:\\n3", "C:\\n4"}) {
      TForm1Access::AddRecentFile(*form, path);
    }
    form->Close();
    EXPECT_EQ(Value("file", "max"), c.maxWritten) << c.max;
    EXPECT_EQ(Keys("recent"), c.keys) << c.max;
    // Keys not written again keep their values.
    EXPECT_EQ(Value("recent", "4"), c.keys.size() > 4 ? "C:\\old5" : "C:\\old4") << c.max;
  }
}

// The file stays in code page 932, byte for byte as earlier versions wrote it; a recent file
// whose path the code page cannot hold stays in the menus for the session only, and no
// look-alike of it is written.
TEST_F(Settings, RecentPathsBeyondTheCodePageAreKeptForTheSessionOnly) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  Restart("");
  for (const char* path : {"C:\\表\\リスト.txt", "C:\\メモ〜.txt", "C:\\b.txt"}) {
    TForm1Access::AddRecentFile(*form, path);
  }
  EXPECT_EQ(Captions(*form->Recentry1),
            (Strings{"0 C:\\b.txt", "1 C:\\メモ〜.txt", "2 C:\\表\\リスト.txt"}));
  CloseAndStart();
  const std::string bytes = programFolder.ReadFile("horodex.ini");
  EXPECT_NE(bytes.find("[recent]\r\n0=C:\\b.txt\r\n1=C:\\\x95\\\\\x83\x8A\x83X\x83g.txt\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(Keys("recent"), (Strings{"0", "1"}));
  EXPECT_EQ(Captions(*form->Recentry1), (Strings{"0 C:\\b.txt", "1 C:\\表\\リスト.txt"}));
}

TEST_F(Settings, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheWindowCloses) {
  programFolder.AddFile("horodex.ini", "[file]\r\nmax=4\r\n");
  programFolder.SetReadOnly("horodex.ini", true);
  if (platform::WriteProfileValue(SettingsPath(), "file", "max", "4")) {
    GTEST_SKIP() << "this user may write read-only files (root)";
  }
  Restart("");
  form->Show(1);
  form->Close();
  EXPECT_FALSE(form->Visible());
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, SettingsPath() + " に書き込めません.");
  EXPECT_EQ(boxes[0].caption, "Horodex");
}

}  // namespace
