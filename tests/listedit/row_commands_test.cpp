// Edit in place, Delete, Select all and Replace, as the user reaches them.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "listedit/sort.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"
#include "support/temp_tree.h"

namespace {

using Strings = std::vector<std::string>;

class RowCommands : public testsupport::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->Show(1);
    AddRows({{"2001/01/01", "C:\\e", "txt"},
             {"2001/01/02", "C:\\d", "doc"},
             {"2001/01/03", "C:\\c", "txt"},
             {"2001/01/04", "C:\\b", ""},
             {"2001/01/05", "C:\\a", "フォルダ"}});
  }
  ui::ListView& list() { return form->ListView1; }
};

TEST_F(RowCommands, EditOpensTheHighestSelectedRowWhateverHasTheFocus) {
  Select({1, 3});
  list().SetFocused(3);
  ui::testing::PressKey(*form, ui::Key(ui::kKeyF2));
  ASSERT_TRUE(list().Editing());
  EXPECT_EQ(list().EditorText(), "2001/01/02");
  ui::testing::TypeText(*form, "2000/06/07 8:09");
  ui::testing::PressKey(*form, ui::Key(ui::kKeyReturn));
  EXPECT_FALSE(list().Editing());
  // Stored as typed, and the list sorted at once.
  EXPECT_EQ(Captions().front(), "2000/06/07 8:09");
}

// The date texts keyed by path.
std::map<std::string, std::string> DatesByPath(const ui::ListView& list) {
  std::map<std::string, std::string> dates;
  for (int i = 0; i < list.Count(); ++i) {
    dates[list.Item(i).subItems.at(0)] = list.Item(i).caption;
  }
  return dates;
}

// Whatever moves the rows while a date text is being edited, what was typed goes to the row
// the editor was opened on, or nowhere when that row went.
TEST_F(RowCommands, AnOpenEditStaysWithItsRowWhenRowsMoveOrGo) {
  testsupport::TempTree tree;
  const std::string dropped = tree.AddFile("z.txt", "", testsupport::LocalFileTime(1990, 1, 1));
  struct Case {
    const char* what;
    const char* edited;  // the path of the row being edited
    std::function<void()> move;
    int rowsAfter;
  };
  const Case cases[] = {
      {"header click", "C:\\e", [&] { ui::testing::ClickColumnHeader(list(), 1); }, 5},
      {"sort menu", "C:\\e", [&] { form->SortExt1->Click(); }, 5},
      {"drop", "C:\\e", [&] { ui::testing::DropFiles(*form, {dropped}); }, 6},
      {"another row deleted", "C:\\c", [&] { list().Delete(0); }, 4},
      {"its own row deleted", "C:\\e", [&] { list().Delete(0); }, 4},
  };
  for (const Case& c : cases) {
    Restart("");
    form->Show(1);
    AddRows({{"2001/01/01", "C:\\e", "txt"},
             {"2001/01/02", "C:\\d", "doc"},
             {"2001/01/03", "C:\\c", "txt"},
             {"2001/01/04", "C:\\b", ""},
             {"2001/01/05", "C:\\a", "フォルダ"}});
    auto expected = DatesByPath(list());
    for (int i = 0; i < list().Count(); ++i) {
      if (list().Item(i).subItems[0] == c.edited) Select({i});
    }
    ui::testing::PressKey(*form, ui::Key(ui::kKeyF2));
    ui::testing::TypeText(*form, "1999/09/09");
    c.move();
    if (list().Editing()) ui::testing::PressKey(*form, ui::Key(ui::kKeyReturn));
    EXPECT_FALSE(list().Editing()) << c.what;
    if (c.rowsAfter == 6) expected[dropped] = "1990/01/01";
    expected[c.edited] = "1999/09/09";
    if (std::string(c.what) == "its own row deleted") expected.erase(c.edited);
    if (std::string(c.what) == "another row deleted") expected.erase("C:\\e");
    EXPECT_EQ(DatesByPath(list()), expected) << c.what;
    EXPECT_EQ(list().Count(), c.rowsAfter) << c.what;
  }
}

TEST_F(RowCommands, AnyTextIsStoredAndEscapeChangesNothing) {
  Select({4});
  form->Edit2Click();
  ui::testing::TypeText(*form, "no date at all");
  ui::testing::PressKey(*form, ui::Key(ui::kKeyEscape));
  EXPECT_FALSE(list().Editing());
  EXPECT_EQ(Captions().back(), "2001/01/05");

  form->Edit2Click();
  ui::testing::PressKey(*form, ui::Key(ui::kKeyDelete));  // the whole selected text goes
  EXPECT_EQ(list().EditorText(), "");
  ui::testing::PressKey(*form, ui::Key(ui::kKeyReturn));
  EXPECT_EQ(list().Count(), 5);
  EXPECT_EQ(Captions().front(), "");
}

TEST_F(RowCommands, DelInTheEditorDeletesACharacterAndNoRow) {
  Select({2});
  form->Edit2Click();
  const std::string status = form->StatusBar1.SimpleText();
  ui::testing::PressKey(*form, ui::Key(ui::testing::kKeyHome));
  ui::testing::PressKey(*form, ui::Key(ui::kKeyDelete));
  EXPECT_EQ(list().EditorText(), "001/01/03");
  EXPECT_EQ(list().Count(), 5);
  EXPECT_EQ(form->StatusBar1.SimpleText(), status);
  ui::testing::PressKey(*form, ui::Key(ui::kKeyEscape));
}

TEST_F(RowCommands, DeleteRemovesScatteredRowsInOneCommand) {
  Select({0, 2, 4});
  ui::testing::PressKey(*form, ui::Key(ui::kKeyDelete));
  EXPECT_EQ(Captions(), (Strings{"2001/01/02", "2001/01/04"}));
  EXPECT_EQ(list().SelectedCount(), 0);
  EXPECT_EQ(form->StatusBar1.SimpleText(), "2 個のオブジェクト");
  EXPECT_FALSE(form->Delete1->Enabled());
}

TEST_F(RowCommands, SelectAllKeepsTheFocus) {
  Select({1});
  list().SetFocused(3);
  ui::testing::PressKey(*form, ui::Ctrl('A'));
  EXPECT_EQ(list().SelectedCount(), 5);
  EXPECT_EQ(list().FocusedIndex(), 3);
}

TEST_F(RowCommands, ReplaceCopiesTheHighestSelectedDateTextToEveryRow) {
  form->SortPath1Click();  // C:\a .. C:\e: dates 05, 04, 03, 02, 01
  Select({1, 3});
  list().SetFocused(3);
  form->ToolButton6->Click();
  EXPECT_EQ(Captions(), Strings(5, "2001/01/04"));
  EXPECT_EQ(Paths(), (Strings{"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e"}));
}

TEST_F(RowCommands, ReplaceWithAnEmptyDateTextEmptiesEveryRow) {
  Select({0});
  form->Edit2Click();
  ui::testing::PressKey(*form, ui::Key(ui::kKeyDelete));
  ui::testing::PressKey(*form, ui::Key(ui::kKeyReturn));
  Select({0});
  ui::testing::PressKey(*form, ui::Ctrl('R'));
  EXPECT_EQ(Captions(), Strings(5, ""));
}

}  // namespace
