// Long work: its progress in the status line, Esc, and the input that comes meanwhile.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/long_work.h"
#include "support/form_access.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::LocalFileTime;

class LongWorkTest : public testsupport::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->Show(1);
    ui::testing::SetKeepAliveInterval(0);  // every step looks at the input
    // At each look: what the status line showed, and the keys due at that look.
    ui::testing::SetKeepAliveHook([this] {
      shown.push_back(form->StatusBar1.ShownText());
      for (const ui::ShortCut& key : keysAt[shown.size()]) ui::testing::PostKey(*form, key);
    });
  }
  bool Shown(const std::string& start) const {
    for (const std::string& text : shown) {
      if (text.rfind(start, 0) == 0) return true;
    }
    return false;
  }
  Strings shown;
  std::map<size_t, std::vector<ui::ShortCut>> keysAt;
  testsupport::TempTree tree;
};

TEST_F(LongWorkTest, EscStopsTheWalkAndWhatWasCollectedIsListed) {
  for (const char* name : {"d/1.txt", "d/2.txt", "d/3.txt", "d/4.txt", "d/5.txt"}) {
    tree.AddFile(name, "", LocalFileTime(2001, 1, 1));
  }
  keysAt[3] = {ui::Key(ui::kKeyEscape)};
  ui::testing::DropFiles(*form, {tree.Path("d")});
  EXPECT_EQ(form->ListView1.Count(), 3);
  EXPECT_EQ(Captions().front(), "2001/01/01");  // sorted: the folder's date comes later
  EXPECT_TRUE(Shown("収集中 1 個…"));
  EXPECT_TRUE(Shown("一覧作成中 0 / 3"));
  EXPECT_EQ(form->StatusBar1.ShownText(), "3 個のオブジェクト");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LongWorkTest, EscStopsALoadWhichThenStaysWhereItWasAmongTheRecentFiles) {
  const std::string list = tree.AddFile(
      "list.txt",
      "\"2001/01/01\",\"a\",\"\"\r\n\"2001/01/02\",\"b\",\"\"\r\n\"2001/01/03\",\"c\",\"\"\r\n");
  TForm1Access::AddRecentFile(*form, list);
  TForm1Access::AddRecentFile(*form, tree.Path("other.txt"));
  keysAt[2] = {ui::Key(ui::kKeyEscape)};
  form->Recentry1->Item(1).Click();
  EXPECT_EQ(Paths(), Strings{"a"});
  EXPECT_EQ(form->Recentry1->Item(1).Caption(), "1 " + list);
  EXPECT_TRUE(Shown("読み込み中 1 行…"));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LongWorkTest, UpdateRunsToItsEndAndNoOtherInputComesThrough) {
  for (const char* name : {"1", "2", "3"}) tree.AddFile(name, "", LocalFileTime(2000, 1, 1));
  AddRows({{"2001/01/01", tree.Path("1"), ""},
           {"2001/01/02", tree.Path("2"), ""},
           {"2001/01/03", tree.Path("3"), ""}});
  Select({0});
  keysAt[1] = {ui::Key(ui::kKeyEscape), ui::Key(ui::kKeyDelete)};
  ui::testing::PressKey(*form, ui::Key(ui::kKeyF5));
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "SUCCESS");
  EXPECT_EQ(form->ListView1.Count(), 3);  // the Del went with the work
  EXPECT_EQ(tree.LastWriteTime("3"), LocalFileTime(2001, 1, 3));
  EXPECT_TRUE(Shown("更新中 3 / 3"));  // the rows stamped, told as the last ends
  EXPECT_EQ(form->StatusBar1.ShownText(), form->StatusBar1.SimpleText());
}

TEST_F(LongWorkTest, InputAfterTheLastLookGoesWithTheWork) {
  AddRows({{"2001/01/01", "a", ""}});
  Select({0});
  {
    LongWork work(*form);
    work.Advance(WorkStep::Update, 0, 1);
    ui::testing::PostKey(*form, ui::Key(ui::kKeyDelete));
  }
  DrainMessages();
  EXPECT_EQ(form->ListView1.Count(), 1);
  // Once nothing is busy a key reaches the window again.
  ui::testing::PostKey(*form, ui::Key(ui::kKeyDelete));
  DrainMessages();
  EXPECT_EQ(form->ListView1.Count(), 0);
}

TEST_F(LongWorkTest, NestedWorkLeavesTheOuterOnesProgressBusyStateAndInput) {
  {
    LongWork outer(*form);
    outer.Advance(WorkStep::Collect, 1);
    {
      LongWork inner(*form);
      inner.Advance(WorkStep::Load, 2);
      ui::testing::PostKey(*form, ui::Key(ui::kKeyEscape));
    }
    EXPECT_EQ(form->StatusBar1.ShownText(), "読み込み中 2 行…");
    EXPECT_TRUE(ui::testing::Busy());
    EXPECT_TRUE(outer.Advance(WorkStep::Collect, 3));  // the Esc is the outer work's to see
  }
  EXPECT_EQ(form->StatusBar1.ShownText(), form->StatusBar1.SimpleText());
  EXPECT_FALSE(ui::testing::Busy());
}

TEST(GroupedNumber, GroupsDigitsByThrees) {
  EXPECT_EQ(GroupedNumber(0), "0");
  EXPECT_EQ(GroupedNumber(999), "999");
  EXPECT_EQ(GroupedNumber(1000), "1,000");
  EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
}

}  // namespace
