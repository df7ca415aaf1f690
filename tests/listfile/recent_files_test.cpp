// The recent list files: both menus, newest first, and loading from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/form_access.h"
#include "support/form_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class RecentFiles : public testsupport::FormTest {
 protected:
  void Add(const std::string& path) { TForm1Access::AddRecentFile(*form, path); }
  static Strings Captions(const ui::MenuItem& menu) {
    Strings captions;
    for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Item(i).Caption());
    return captions;
  }
  // The File menu's entries, after checking that the drop-down shows the same.
  Strings Entries() {
    const Strings file = Captions(*form->Recentry1);
    EXPECT_EQ(Captions(form->PopupMenu2.Items()), file);
    return file;
  }
};

TEST_F(RecentFiles, ANewPathGoesToTheTopAndTheRestAreNumberedAgain) {
  for (const char* path : {"C:\\a", "C:\\b", "C:\\a b"}) Add(path);
  EXPECT_EQ(Entries(), (Strings{"0 C:\\a b", "1 C:\\b", "2 C:\\a"}));
  Add("C:\\a");  // already there: moves up
  EXPECT_EQ(Entries(), (Strings{"0 C:\\a", "1 C:\\a b", "2 C:\\b"}));
  Add("c:\\A");  // another case is another path
  EXPECT_EQ(Entries(), (Strings{"0 c:\\A", "1 C:\\a", "2 C:\\a b", "3 C:\\b"}));
}

TEST_F(RecentFiles, SixteenAreKeptAndEveryEqualEntryGoes) {
  programFolder.AddFile("horodex.ini", "[recent]\r\na=C:\\x\r\nb=C:\\y\r\nc=C:\\x\r\n");
  Restart("");
  EXPECT_EQ(Entries(), (Strings{"0 C:\\x", "1 C:\\y", "2 C:\\x"}));
  Add("C:\\x");
  EXPECT_EQ(Entries(), (Strings{"0 C:\\x", "1 C:\\y"}));
  for (int i = 0; i < 16; ++i) Add("C:\\" + std::to_string(i));
  const Strings entries = Entries();
  ASSERT_EQ(entries.size(), 16u);
  EXPECT_EQ(entries.front(), "0 C:\\15");
  EXPECT_EQ(entries[10], "A C:\\5");
  EXPECT_EQ(entries.back(), "F C:\\0");
}

TEST_F(RecentFiles, ChoosingAnEntryLoadsItAndMovesItToTheTop) {
  std::vector<std::string> lists;
  for (int i = 0; i < 5; ++i) {
    lists.push_back(programFolder.AddFile(
        "list" + std::to_string(i) + ".txt",
        "\"2001/01/0" + std::to_string(i + 1) + "\",\"f" + std::to_string(i) + "\",\"\"\r\n"));
  }
  for (int i = 4; i >= 0; --i) Add(lists[i]);  // list0 on top
  form->Recentry1->Item(2).Click();
  EXPECT_EQ(Paths(), Strings{"f2"});
  EXPECT_EQ(Entries(), (Strings{"0 " + lists[2], "1 " + lists[0], "2 " + lists[1], "3 " + lists[3],
                                "4 " + lists[4]}));
  form->PopupMenu2.Items().Item(4).Click();  // the drop-down's entries load the same way
  EXPECT_EQ(Paths(), (Strings{"f2", "f4"}));
  EXPECT_EQ(Entries()[0], "0 " + lists[4]);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(RecentFiles, AnEntryWhoseFileCannotBeReadStaysWhereItIs) {
  Add(programFolder.Path("gone.txt"));
  Add(programFolder.AddFile("there.txt", "\"2001/01/01\",\"f\",\"\"\r\n"));
  const Strings before = Entries();
  form->Recentry1->Item(1).Click();
  EXPECT_EQ(Entries(), before);
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "ファイルが見つかりません.");
}

}  // namespace
