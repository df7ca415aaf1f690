// The rows Update would change are marked, and counted in the status bar; with 変更した行だけ
// Update sets only them.
#include <gtest/gtest.h>

#include "listfile/list_file_fixture.h"
#include "platform/profile.h"
#include "support/file_times.h"
#include "support/local_dates.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::LocalFileTime;

class Marks : public testsupport::ListFileTest {
 protected:
  // The names of the marked rows, in list order, and the status bar's second part.
  std::string Marked() const {
    std::string names;
    const ui::ListView& list = form->ListView1;
    int counted = 0;
    for (int i = 0; i < list.Count(); ++i) {
      if (!list.Item(i).marked) continue;
      names += list.Item(i).subItems[0].substr(tree.Root().size() + 1) + " ";
      ++counted;
    }
    EXPECT_EQ(counted, list.MarkedCount());
    return names + "[" + form->StatusBar1.SecondText() + "]";
  }
  int RowOf(const std::string& name) const { return RowOfPath(tree.Path(name)); }
  void Edit(const std::string& name, const std::string& text) {
    form->ListView1Edited(RowOf(name), &text);
  }
  void DropFour() {
    for (const char* name : {"a", "b", "c", "d"}) tree.AddFile(name, "", kOld);
    ui::testing::DropFiles(*form, {tree.Path("a"), tree.Path("b"), tree.Path("c"), tree.Path("d")});
    form->SortPath1->Click();
  }
  const platform::FileTime kOld = LocalFileTime(2000, 1, 1, 12);
};

TEST_F(Marks, FollowEditsReplaceToolsLoadsSortsAndDeletes) {
  DropFour();
  EXPECT_EQ(Marked(), "[]");
  EXPECT_EQ(form->StatusBar1.SimpleText(), "4 個のオブジェクト");
  Edit("b", "2001/01/01");
  EXPECT_EQ(Marked(), "b [変更 1]");
  Edit("b", "2000/01/01 12:00:00");  // its listed text again
  EXPECT_EQ(Marked(), "[]");

  Edit("d", "1999/01/01");
  form->SortDate1->Click();  // d moves to the top, with its mark
  EXPECT_EQ(RowOf("d"), 0);
  EXPECT_EQ(Marked(), "d [変更 1]");

  Edit("a", "2005/05/05");
  Select({RowOf("a")});
  form->Replace1->Click();
  form->SortPath1->Click();
  EXPECT_EQ(Marked(), "a b c d [変更 4]");
  Edit("a", "2000/01/01 12:00:00");
  Select({RowOf("a")});
  form->Replace1->Click();  // every row gets the text it was listed with
  form->SortPath1->Click();
  EXPECT_EQ(Marked(), "[]");
  Select({RowOf("c")});
  ui::testing::AnswerInputBoxes({"+1d"});
  form->ShiftDates1->Click();
  form->SortPath1->Click();
  EXPECT_EQ(Marked(), "c [変更 1]");

  // A row loaded from a list file came to be applied.
  tree.AddFile("list.txt", "\"2000/01/01 12:00:00\",\"" + tree.Path("e") + "\",\"\"\r\n");
  Open({"list.txt"});
  form->SortPath1->Click();
  EXPECT_EQ(Marked(), "c e [変更 2]");

  Select({RowOf("c"), RowOf("d")});
  form->Delete1->Click();
  EXPECT_EQ(Marked(), "e [変更 1]");
  Select({RowOf("e")});
  form->Delete1->Click();
  EXPECT_EQ(Marked(), "[]");
  EXPECT_EQ(form->StatusBar1.SimpleText(), "2 個のオブジェクト");
}

TEST_F(Marks, OnlyChangedRowsAreSetAndTheOthersKeepEveryTimeExactly) {
  // Times that no date text holds: odd ticks.
  const platform::FileTime write{kOld.ticks + 1234567}, access{kOld.ticks + 7654321};
  for (const char* name : {"a", "b", "c", "d"}) {
    tree.AddFile(name, "", kOld);
    tree.SetTimes(name, write, access);
  }
  ui::testing::DropFiles(*form, {tree.Path("a"), tree.Path("b"), tree.Path("c"), tree.Path("d")});
  EXPECT_FALSE(form->UpdateChanged1->Checked());
  form->UpdateChanged1->Click();
  Edit("b", "2001/02/03 4:05:06");
  tree.AddFile("list.txt", "\"2001/02/04\",\"" + tree.Path("c") + "\",\"\"\r\n");
  Open({"list.txt"});  // c twice: its listed row and its loaded one
  form->Rewrite1->Click();
  EXPECT_EQ(BoxTexts(), "SUCCESS");
  EXPECT_EQ(tree.LastWriteTime("b"), LocalFileTime(2001, 2, 3, 4, 5, 6));
  EXPECT_EQ(tree.LastWriteTime("c"), LocalFileTime(2001, 2, 4));
  for (const char* name : {"a", "d"}) {
    const auto times = testsupport::ReadFileTimes(tree.Path(name));
    EXPECT_EQ(times.lastWrite, write) << name;
    EXPECT_EQ(times.lastAccess, access) << name;
  }
  form->UndoUpdate1->Click();
  EXPECT_EQ(BoxTexts(), "SUCCESS");
  EXPECT_EQ(tree.LastWriteTime("b"), write);
  EXPECT_EQ(tree.LastWriteTime("c"), write);

  // Nothing marked: nothing is opened.
  std::vector<int> changed;
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    if (form->ListView1.Item(i).marked) changed.push_back(i);
  }
  Select(changed);
  form->Delete1->Click();
  EXPECT_EQ(Marked(), "[]");
  form->Rewrite1->Click();
  EXPECT_EQ(BoxTexts(), "SUCCESS");
  EXPECT_FALSE(form->UndoUpdate1->Enabled());
  EXPECT_EQ(tree.LastWriteTime("a"), write);

  form->Close();
  EXPECT_EQ(platform::ReadProfileValue(SettingsPath(), "update", "changed", "<none>", 2048), "1");
  Restart("");
  EXPECT_TRUE(form->UpdateChanged1->Checked());
  programFolder.AddFile("horodex.ini", "");
  Restart("");
  EXPECT_FALSE(form->UpdateChanged1->Checked());
}

}  // namespace
