// Sorting by the list's comparison, automatic sorting by caption, and bulk updates.
#include <gtest/gtest.h>

#include <functional>

#include "list_form.h"
#include "ui/testing.h"

namespace {

using Strings = std::vector<std::string>;

// Orders rows by caption, counting the comparisons.
struct CountingForm : uitest::ListForm {
  int comparisons = 0;
  CountingForm() {
    list.OnCompare = [this](const ui::ListItem& a, const ui::ListItem& b) {
      ++comparisons;
      return a.caption.compare(b.caption);
    };
  }
};

TEST(ListSort, RowsMoveWithTheirSelectionAndFocusAndRaiseNothing) {
  CountingForm f;
  f.AddRows({"d", "b", "a", "c"});
  f.list.SetSelected(0, true);  // "d"
  f.list.SetSelected(2, true);  // "a"
  f.list.SetFocused(3);         // "c"
  f.changes.clear();
  f.list.Sort();
  EXPECT_EQ(f.Captions(), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(f.SelectedRows(), (std::vector<int>{0, 3}));
  EXPECT_EQ(f.list.FocusedIndex(), 2);
  EXPECT_EQ(f.changes, std::vector<uitest::Change>{});
}

// Rows that compare equal keep the order they had: more of them than a sort puts in order
// one by one, with few keys.
TEST(ListSort, RowsThatCompareEqualKeepTheirOrder) {
  uitest::ListForm f;
  Strings captions, expected;
  for (int i = 0; i < 200; ++i)
    captions.push_back(std::string(1, "cab"[i * 7 % 3]) + std::to_string(i));
  for (const char key : {'a', 'b', 'c'}) {
    for (const std::string& caption : captions) {
      if (caption[0] == key) expected.push_back(caption);
    }
  }
  f.AddRows(captions);
  f.list.OnCompare = [](const ui::ListItem& a, const ui::ListItem& b) {
    return a.caption[0] - b.caption[0];  // the key letter alone
  };
  f.list.Sort();
  EXPECT_EQ(f.Captions(), expected);
}

TEST(ListSort, DeletingTheSelectedRowsMovesTheFocusUpWithItsRow) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
  for (int row : {1, 4, 8}) f.list.SetSelected(row, true);
  f.list.SetFocused(6);  // "g"
  f.changes.clear();
  f.list.DeleteSelected();
  EXPECT_EQ(f.Captions(), (Strings{"a", "c", "d", "f", "g", "h", "j"}));
  EXPECT_EQ(f.list.SelectedCount(), 0);
  EXPECT_EQ(f.list.FocusedIndex(), 4);
  EXPECT_GE(f.changes.size(), 1u);  // the selected rows lost their state
}

// What an edit stores goes to the row it was opened on, whatever moved in between.
TEST(ListSort, AnOpenEditEndsInItsOwnRowWhenRowsMoveOrGo) {
  struct Case {
    const char* what;
    int edited;
    std::function<void(ui::ListView&)> move;
    std::vector<std::string> stored;  // "row caption=text", one for each commit
  };
  const Case cases[] = {
      {"sort", 0, [](ui::ListView& l) { l.Sort(); }, {"d=x"}},
      {"row above deleted", 2, [](ui::ListView& l) { l.Delete(0); }, {"a=x"}},
      {"selected rows above deleted",
       2,
       [](ui::ListView& l) {
         l.SetSelected(2, false);
         l.SetSelected(0, true);
         l.SetSelected(1, true);
         l.DeleteSelected();
       },
       {"a=x"}},
      {"another edit opened", 0, [](ui::ListView& l) { l.EditCaption(3); }, {"d=x", "c=c"}},
  };
  for (const Case& c : cases) {
    CountingForm f;
    f.AddRows({"d", "b", "a", "c"});
    std::vector<std::string> stored;
    f.list.OnEdited = [&](int index, const std::string* text) {
      if (text) stored.push_back(f.list.Item(index).caption + "=" + *text);
    };
    f.list.EditCaption(c.edited);
    ui::testing::TypeText(f.form, "x");
    c.move(f.list);
    if (f.list.Editing()) ui::testing::PressKey(f.form, ui::Key(ui::kKeyReturn));
    EXPECT_EQ(stored, c.stored) << c.what;
  }
}

TEST(ListSort, AnEditWhoseRowGoesNeverReachesAnotherRow) {
  CountingForm f;
  f.AddRows({"a", "b", "c"});
  std::vector<std::string> stored;
  f.list.OnEdited = [&](int index, const std::string* text) {
    if (text) stored.push_back(f.list.Item(index).caption + "=" + *text);
  };
  f.list.EditCaption(1);
  ui::testing::TypeText(f.form, "x");
  f.list.Delete(1);
  if (f.list.Editing()) ui::testing::PressKey(f.form, ui::Key(ui::kKeyReturn));
  EXPECT_FALSE(f.list.Editing());
  // Stored, if at all, while its row still stood there; never in another row.
  for (const std::string& s : stored) EXPECT_EQ(s, "b=x");
  EXPECT_EQ(f.Captions(), (Strings{"a", "c"}));
}

TEST(ListSort, SettingACaptionSortsOnlyInSortTypeText) {
  CountingForm f;
  f.AddRows({"b", "c", "d"});
  f.list.SetCaption(2, "a");
  EXPECT_EQ(f.Captions(), (Strings{"b", "c", "a"}));
  EXPECT_EQ(f.comparisons, 0);

  f.list.SetSortType(ui::SortType::Text);  // switching sorts at once
  EXPECT_EQ(f.Captions(), (Strings{"a", "b", "c"}));
  f.list.SetCaption(0, "z");
  EXPECT_EQ(f.Captions(), (Strings{"b", "c", "z"}));
  f.list.AddSubItem(0, "path");  // a sub-item never sorts
  f.list.SetCaption(1, "a");
  EXPECT_EQ(f.Captions(), (Strings{"a", "b", "z"}));
  EXPECT_EQ(f.list.Item(1).subItems, Strings{"path"});
}

TEST(ListSort, NestedBulkUpdatesSortOnceAtTheOutermostEnd) {
  CountingForm f;
  f.list.SetSortType(ui::SortType::Text);
  f.AddRows({"b", "d"});
  f.comparisons = 0;

  f.list.BeginUpdate();
  f.list.BeginUpdate();
  EXPECT_EQ(f.list.GetSortType(), ui::SortType::None);
  f.list.SetCaption(f.list.Add(), "c");
  f.list.SetCaption(f.list.Add(), "a");
  f.list.EndUpdate();
  EXPECT_EQ(f.list.UpdateDepth(), 1);
  EXPECT_EQ(f.Captions(), (Strings{"b", "d", "c", "a"}));
  EXPECT_EQ(f.comparisons, 0);

  f.list.EndUpdate();
  EXPECT_EQ(f.list.UpdateDepth(), 0);
  EXPECT_EQ(f.list.GetSortType(), ui::SortType::Text);
  EXPECT_EQ(f.Captions(), (Strings{"a", "b", "c", "d"}));
  EXPECT_GT(f.comparisons, 0);
}

}  // namespace
