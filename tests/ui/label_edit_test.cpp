// In-place editing of a caption: opening, the editing keys, commit and cancel.
#include <gtest/gtest.h>

#include "list_form.h"
#include "ui/testing.h"

namespace {

using uitest::Edit;
using Edits = std::vector<Edit>;
using ui::Key;
using ui::testing::PressKey;
using ui::testing::TypeText;

TEST(LabelEdit, ReturnCommitsTheTypedTextInPlaceOfTheSelection) {
  uitest::ListForm f;
  f.AddRows({"2001/01/01", "2001/01/02"});
  f.list.SetFocus();
  f.list.EditCaption(1);
  ASSERT_TRUE(f.list.Editing());
  EXPECT_EQ(f.list.EditorText(), "2001/01/02");
  TypeText(f.form, "1999/12/31");  // the whole caption starts selected
  EXPECT_EQ(f.list.EditorText(), "1999/12/31");
  EXPECT_EQ(f.edits, Edits{});
  PressKey(f.form, Key(ui::kKeyReturn));
  EXPECT_FALSE(f.list.Editing());
  EXPECT_EQ(f.edits, (Edits{{1, "1999/12/31"}}));
  EXPECT_EQ(f.list.Item(1).caption, "2001/01/02");  // storing it is the program's business
}

TEST(LabelEdit, ReturnWithTheTextUnchangedStillCommitsIt) {
  uitest::ListForm f;
  f.AddRows({"2001/01/01"});
  f.list.EditCaption(0);
  PressKey(f.form, Key(ui::kKeyReturn));
  EXPECT_EQ(f.edits, (Edits{{0, "2001/01/01"}}));
}

TEST(LabelEdit, EscapeEndsWithoutText) {
  uitest::ListForm f;
  f.AddRows({"a", "b"});
  f.list.EditCaption(0);
  TypeText(f.form, "typed");
  PressKey(f.form, Key(ui::kKeyEscape));
  EXPECT_FALSE(f.list.Editing());
  EXPECT_EQ(f.edits, (Edits{{0, std::nullopt}}));
}

TEST(LabelEdit, EditingKeysActOnWholeCharacters) {
  struct Case {
    const char* caption;
    std::vector<uint16_t> keys;
    const char* typed;
    const char* result;
  };
  using namespace ui::testing;
  const Case cases[] = {
      {"abc", {kKeyHome, ui::kKeyDelete}, "", "bc"},
      {"abc", {kKeyEnd, kKeyBack}, "", "ab"},
      {"abc", {kKeyHome, kKeyRight, ui::kKeyDelete}, "", "ac"},
      {"abc", {kKeyEnd, kKeyLeft, kKeyBack}, "", "ac"},
      {"abc", {ui::kKeyDelete}, "", ""},  // the selection goes
      {"abc", {kKeyBack}, "x", "x"},
      {"abc", {kKeyHome}, "x", "xabc"},
      {"abc", {kKeyEnd, kKeyLeft}, "x", "abxc"},
      {"日付", {kKeyHome, ui::kKeyDelete}, "", "付"},
      {"日付", {kKeyEnd, kKeyLeft}, "x", "日x付"},
  };
  for (const Case& c : cases) {
    uitest::ListForm f;
    f.AddRows({c.caption});
    f.list.EditCaption(0);
    for (uint16_t key : c.keys) PressKey(f.form, Key(key));
    if (*c.typed) TypeText(f.form, c.typed);
    EXPECT_EQ(f.list.EditorText(), c.result) << c.caption << " " << c.keys.size() << " keys";
    PressKey(f.form, Key(ui::kKeyReturn));
    ASSERT_EQ(f.edits.size(), 1u) << c.caption;
    EXPECT_EQ(f.edits[0], (Edit{0, c.result})) << c.caption;  // an empty text too
  }
}

TEST(LabelEdit, SendDeleteKeyToEditorActsAsTheDeleteKey) {
  uitest::ListForm f;
  f.AddRows({"abc"});
  f.list.EditCaption(0);
  PressKey(f.form, Key(ui::testing::kKeyHome));
  f.list.SendDeleteKeyToEditor();
  EXPECT_EQ(f.list.EditorText(), "bc");
  EXPECT_TRUE(f.list.Editing());
  PressKey(f.form, Key(ui::testing::kKeyEnd));
  PressKey(f.form, Key(ui::testing::kKeyLeft));
  f.list.SendDeleteKeyToEditor();
  EXPECT_EQ(f.list.EditorText(), "b");
  EXPECT_EQ(f.edits, Edits{});
}

TEST(LabelEdit, AnEnabledDelShortcutTakesTheKeyBeforeTheEditor) {
  uitest::ListForm f;
  int clicks = 0;
  ui::MenuItem& edit = f.AddItem(f.menu.Items(), "Edit", {});
  ui::MenuItem& remove = f.AddItem(edit, "Delete", Key(ui::kKeyDelete), &clicks);
  f.AddRows({"abc"});
  f.list.EditCaption(0);
  PressKey(f.form, Key(ui::testing::kKeyHome));
  PressKey(f.form, Key(ui::kKeyDelete));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(f.list.EditorText(), "abc");
  remove.SetEnabled(false);
  PressKey(f.form, Key(ui::kKeyDelete));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(f.list.EditorText(), "bc");
}

TEST(LabelEdit, OpeningSelectsTheRowAloneAndFocusesIt) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c"});
  f.list.SetSelected(0, true);
  f.list.SetSelected(2, true);
  f.list.SetFocused(2);
  f.list.EditCaption(1);
  EXPECT_EQ(f.SelectedRows(), std::vector<int>{1});
  EXPECT_EQ(f.list.FocusedIndex(), 1);
}

TEST(LabelEdit, AnOpenEditorCommitsWhenAnotherOpensOrTheListTakesTheFocus) {
  uitest::ListForm f;
  f.AddRows({"a", "b"});
  f.list.EditCaption(0);
  TypeText(f.form, "x");
  f.list.EditCaption(1);
  EXPECT_EQ(f.edits, (Edits{{0, "x"}}));
  ASSERT_TRUE(f.list.Editing());
  EXPECT_EQ(f.list.EditorText(), "b");

  TypeText(f.form, "y");
  f.list.SetFocus();
  EXPECT_FALSE(f.list.Editing());
  EXPECT_EQ(f.edits, (Edits{{0, "x"}, {1, "y"}}));
}

}  // namespace
