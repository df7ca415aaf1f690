// The owner-data list control: texts it asks for, rows counted late, moved and removed
// selections, and the end of an edit.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/testing.h"
#include "ui/win32/list_native.h"
#include "ui/win32/native.h"

namespace {

using Rows = std::vector<int>;

struct ListForm {
  ui::Form form;
  ui::ListView list{form};
  int changes = 0;
  std::vector<std::optional<std::string>> edits;

  ListForm() {
    form.SetDesignSize(455, 395);
    list.AddColumn("date", 120);
    list.AddColumn("path", 230);
    list.AddColumn("kind", 70);
    list.OnChange = [this](int, ui::ItemChange) { ++changes; };
    list.OnCompare = [](const ui::ListItem& a, const ui::ListItem& b) {
      return a.caption.compare(b.caption);
    };
    list.OnEdited = [this](int, const std::string* text) {
      edits.push_back(text ? std::optional<std::string>(*text) : std::nullopt);
    };
    form.Show(1);
  }
  HWND Hwnd() const { return ui::win32::ListNativeOf(list).Hwnd(); }
  int ControlCount() const {
    return static_cast<int>(SendMessageW(Hwnd(), LVM_GETITEMCOUNT, 0, 0));
  }
  // The text the control shows in a cell, read into a buffer of `size` units.
  std::string Shown(int row, int column, int size = 64) const {
    std::wstring text(size, L'?');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = size;
    SendMessageW(Hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return ui::win32::Narrow(item.pszText);
  }
  Rows Selected() const {
    Rows rows;
    for (int i = list.NextSelected(-1); i != -1; i = list.NextSelected(i)) rows.push_back(i);
    return rows;
  }
  // Rows "r<n>" for n = count - 1 down to 0, appended in one bulk update.
  void AddDescending(int count) {
    list.BeginUpdate();
    for (int i = count - 1; i >= 0; --i) {
      char caption[16];
      std::snprintf(caption, sizeof caption, "r%05d", i);
      list.SetCaption(list.Add(), caption);
    }
    list.EndUpdate();
  }
};

TEST(ListNative, TheControlShowsTheRowsTextsAndEmptyCellsForMissingSubItems) {
  ListForm f;
  f.list.SetCaption(f.list.Add(), "2001/05/06");
  f.list.AddSubItem(0, "C:\\a.txt");
  f.list.AddSubItem(0, "txt");
  f.list.SetCaption(f.list.Add(), "short");
  f.list.AddSubItem(1, "C:\\b");
  EXPECT_EQ(f.ControlCount(), 2);
  EXPECT_EQ(f.Shown(0, 0), "2001/05/06");
  EXPECT_EQ(f.Shown(0, 1), "C:\\a.txt");
  EXPECT_EQ(f.Shown(0, 2), "txt");
  EXPECT_EQ(f.Shown(1, 1), "C:\\b");
  EXPECT_EQ(f.Shown(1, 2), "");
}

TEST(ListNative, TextsBeyondTheCodePageShowAsThemselves) {
  ListForm f;
  const std::string names[] = {"メモ〜.txt", "Beyoncé.mp3", "emoji😀.txt", "한글.txt", "a¥b.txt"};
  for (const std::string& name : names) {
    const int row = f.list.Add();
    f.list.SetCaption(row, "2026/12/09");
    f.list.AddSubItem(row, "C:\\" + name);
  }
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(f.Shown(row, 1), "C:\\" + names[row]);
  }
  wchar_t caption[16] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = caption;
  column.cchTextMax = 16;
  f.list.AddColumn("種類😀", 50);
  SendMessageW(f.Hwnd(), LVM_GETCOLUMNW, 3, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(ui::win32::Narrow(caption), "種類😀");
}

TEST(ListNative, ATextCutShortByTheControlsBufferKeepsNoHalfCharacter) {
  ListForm f;
  f.list.SetCaption(f.list.Add(), "abcdef😀x");  // the face is two units at 6 and 7
  EXPECT_EQ(f.Shown(0, 0, 8), "abcdef");
  EXPECT_EQ(f.Shown(0, 0, 9), "abcdef😀");
  EXPECT_EQ(f.Shown(0, 0, 10), "abcdef😀x");
}

TEST(ListNative, RowsAddedInABulkUpdateAreCountedWhenTheControlNeedsThem) {
  ListForm f;
  f.list.BeginUpdate();
  for (int i = 0; i < 3; ++i) f.list.SetCaption(f.list.Add(), "x");
  f.list.SetSelected(2, true);  // a row the control must know by now
  f.list.SetCaption(f.list.Add(), "y");
  f.list.EndUpdate();
  EXPECT_EQ(f.ControlCount(), 4);
  EXPECT_EQ(f.Selected(), Rows{2});
}

TEST(ListNative, ManyScatteredSelectedRowsMoveWithTheirRowsWhenSorted) {
  ListForm f;
  f.list.SetSortType(ui::SortType::None);
  f.AddDescending(300);  // r00299 ... r00000
  Rows expected;
  for (int i = 0; i < 300; i += 3) {
    f.list.SetSelected(i, true);  // holds r(299 - i)
    expected.insert(expected.begin(), 299 - i);
  }
  f.list.SetFocused(10);  // r00289
  f.changes = 0;
  f.list.Sort();
  EXPECT_EQ(f.list.Item(0).caption, "r00000");
  EXPECT_EQ(f.Selected(), expected);
  EXPECT_EQ(f.list.FocusedIndex(), 289);
  EXPECT_EQ(f.changes, 0);
}

// Focus and selection after the deletion are checked on both builds; here, the control's count.
TEST(ListNative, DeletingTheSelectedRowsShortensTheControl) {
  ListForm f;
  f.list.SetSortType(ui::SortType::None);
  f.AddDescending(10);
  for (int row : {1, 4, 8}) f.list.SetSelected(row, true);
  f.list.DeleteSelected();
  EXPECT_EQ(f.list.Count(), 7);
  EXPECT_EQ(f.ControlCount(), 7);
}

TEST(ListNative, AnEmptiedEditorCommitsAnEmptyTextAndEscapeCancels) {
  using ui::testing::PressKey;
  ListForm f;
  f.list.SetCaption(f.list.Add(), "abc");
  for (uint16_t end : {ui::kKeyReturn, ui::kKeyEscape}) {
    f.list.EditCaption(0);
    ASSERT_TRUE(f.list.Editing());
    PressKey(f.form, ui::Key(ui::kKeyDelete));  // the whole caption starts selected
    EXPECT_EQ(f.list.EditorText(), "");
    PressKey(f.form, ui::Key(end));
    EXPECT_FALSE(f.list.Editing());
  }
  ASSERT_EQ(f.edits.size(), 2u);
  EXPECT_EQ(f.edits[0], std::optional<std::string>(""));
  EXPECT_EQ(f.edits[1], std::nullopt);
}

TEST(ListNative, TypedCharactersOfAnyScriptArriveWhole) {
  ListForm f;
  f.list.SetCaption(f.list.Add(), "x");
  f.list.EditCaption(0);
  ui::testing::TypeText(f.form, "日付é😀한a");
  EXPECT_EQ(f.list.EditorText(), "日付é😀한a");
  ui::testing::PressKey(f.form, ui::Key(ui::kKeyReturn));
  ASSERT_EQ(f.edits.size(), 1u);
  EXPECT_EQ(f.edits[0], std::optional<std::string>("日付é😀한a"));
}

}  // namespace
