// Sorting by the list's comparison, automatic sorting by caption, and bulk updates.
#include <gtest/gtest.h>

#include "list_form.h"

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
  f.list.SetFocused(1);         // "b"
  f.changes.clear();
  f.list.Sort();
  EXPECT_EQ(f.Captions(), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(f.SelectedRows(), (std::vector<int>{0, 3}));
  EXPECT_EQ(f.list.FocusedIndex(), 1);
  EXPECT_EQ(f.changes, std::vector<uitest::Change>{});
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
