// Which commands are enabled, the status line and the View toggles.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace {

class CommandState : public testsupport::FormTest {
 protected:
  // Enabled flags of the rule table: row-dependent ones, then selection-dependent ones.
  std::vector<bool> RowItems() const {
    const TForm1& f = *form;
    return {f.Save1->Enabled(),      f.SelectAll1->Enabled(), f.SelectAll2->Enabled(),
            f.Sort1->Enabled(),      f.Rewrite1->Enabled(),   f.ToolButton2->Enabled(),
            f.ToolButton8->Enabled()};
  }
  std::vector<bool> SelectionItems() const {
    const TForm1& f = *form;
    return {f.Edit2->Enabled(),       f.Edit3->Enabled(),      f.Delete1->Enabled(),
            f.Delete2->Enabled(),     f.Replace1->Enabled(),   f.Replace2->Enabled(),
            f.ToolButton4->Enabled(), f.ToolButton6->Enabled()};
  }
  std::vector<bool> All(bool on, size_t n) const { return std::vector<bool>(n, on); }
  void ThreeRows() {
    AddRows({{"2001/01/01", "a", "txt"}, {"2001/01/02", "b", "txt"}, {"2001/01/03", "c", ""}});
  }
};

TEST_F(CommandState, StartedWithoutRowsEverythingThatNeedsRowsIsDisabled) {
  form->Show(1);
  EXPECT_EQ(RowItems(), All(false, 7));
  EXPECT_EQ(SelectionItems(), All(false, 8));
  EXPECT_EQ(form->StatusBar1.SimpleText(), "");
  // Always enabled.
  for (ui::MenuItem* item : {form->Open1, form->Exit1, form->ShowToolBar1, form->ShowStatusBar1,
                             form->ShowWindow1, form->Contents1, form->About1}) {
    EXPECT_TRUE(item->Enabled()) << item->Caption();
  }
  EXPECT_TRUE(form->ToolButton1->Enabled());
}

TEST_F(CommandState, RowsAndASelectionEnableEveryCommand) {
  form->Show(1);
  ThreeRows();
  EXPECT_EQ(RowItems(), All(true, 7));
  EXPECT_EQ(SelectionItems(), All(false, 8));
  EXPECT_EQ(form->StatusBar1.SimpleText(), "3 個のオブジェクト");

  Select({1});
  EXPECT_EQ(SelectionItems(), All(true, 8));
  Select({});
  EXPECT_EQ(RowItems(), All(true, 7));
  EXPECT_EQ(SelectionItems(), All(false, 8));
}

TEST_F(CommandState, TheLastRowGoneDisablesTheRowCommands) {
  form->Show(1);
  AddRows({{"2001/01/01", "a", "txt"}});
  Select({0});
  form->Delete1Click();
  EXPECT_EQ(form->ListView1.Count(), 0);
  EXPECT_EQ(RowItems(), All(false, 7));
  EXPECT_EQ(SelectionItems(), All(false, 8));
  EXPECT_EQ(form->StatusBar1.SimpleText(), "0 個のオブジェクト");
}

TEST_F(CommandState, ShortcutsOfDisabledItemsDoNothing) {
  form->Show(1);
  ui::testing::PressKey(*form, ui::Key(ui::kKeyF5));  // Update with no rows: no box
  EXPECT_TRUE(Boxes().empty());
  ThreeRows();
  ui::testing::PressKey(*form, ui::Ctrl('R'));  // Replace without a selection
  EXPECT_EQ(Captions(), (std::vector<std::string>{"2001/01/01", "2001/01/02", "2001/01/03"}));
  ui::testing::PressKey(*form, ui::Ctrl('A'));
  EXPECT_EQ(form->ListView1.SelectedCount(), 3);
  ui::testing::PressKey(*form, ui::Ctrl('R'));
  EXPECT_EQ(Captions(), (std::vector<std::string>(3, "2001/01/01")));
}

TEST_F(CommandState, AHiddenStatusBarStillCountsAndTheListFillsTheWindow) {
  form->Show(1);
  int left, top, width, height;
  form->ClientRect(left, top, width, height);
  const int fullTop = top, fullHeight = height;

  form->ShowStatusBar1Click();
  EXPECT_FALSE(form->ShowStatusBar1->Checked());
  EXPECT_FALSE(form->StatusBar1.Visible());
  ThreeRows();
  form->ClientRect(left, top, width, height);
  EXPECT_GT(height, fullHeight);
  form->ShowStatusBar1Click();
  EXPECT_TRUE(form->StatusBar1.Visible());
  EXPECT_EQ(form->StatusBar1.SimpleText(), "3 個のオブジェクト");

  form->ShowToolBar1Click();
  EXPECT_FALSE(form->ToolBar1.Visible());
  form->ClientRect(left, top, width, height);
  EXPECT_LT(top, fullTop);
  form->ShowToolBar1Click();
  form->ClientRect(left, top, width, height);
  EXPECT_EQ(top, fullTop);
  EXPECT_EQ(height, fullHeight);
}

TEST_F(CommandState, TheWindowPlacementMarkMovesNothing) {
  form->Show(1);
  const int bounds[] = {form->Left(), form->Top(), form->Width(), form->Height()};
  form->ShowWindow1Click();
  EXPECT_TRUE(form->ShowWindow1->Checked());
  const int after[] = {form->Left(), form->Top(), form->Width(), form->Height()};
  EXPECT_TRUE(std::equal(std::begin(bounds), std::end(bounds), std::begin(after)));
}

}  // namespace
