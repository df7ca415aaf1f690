// The item-changed notifications of the list, as the real control raises them.
#include <gtest/gtest.h>

#include <algorithm>

#include "list_form.h"
#include "ui/testing.h"

namespace {

using uitest::Change;
using Changes = std::vector<Change>;
using Rows = std::vector<int>;
constexpr ui::ItemChange kState = ui::ItemChange::State;
constexpr ui::ItemChange kText = ui::ItemChange::Text;

TEST(ListNotifications, OnlyTheCaptionOfANewRowRaisesOne) {
  uitest::ListForm f;
  const int row = f.list.Add();
  EXPECT_EQ(f.changes, Changes{});
  f.list.SetCaption(row, "2001/01/01");
  EXPECT_EQ(f.changes, (Changes{{0, kText}}));
  f.list.AddSubItem(row, "C:\\a");
  f.list.AddSubItem(row, "txt");
  EXPECT_EQ(f.changes, (Changes{{0, kText}}));
  EXPECT_EQ(f.list.Item(0).subItems, (std::vector<std::string>{"C:\\a", "txt"}));
}

TEST(ListNotifications, ABulkUpdateReportsItsCaptionsOnceWhenItCloses) {
  uitest::ListForm f;
  f.list.BeginUpdate();
  f.list.BeginUpdate();
  for (const char* caption : {"a", "b", "c"}) f.list.SetCaption(f.list.Add(), caption);
  f.list.EndUpdate();
  EXPECT_EQ(f.changes, Changes{});
  f.list.EndUpdate();
  EXPECT_EQ(f.changes, (Changes{{2, kText}}));

  // The pending report follows its row when rows go, and is dropped with its row.
  f.changes.clear();
  f.list.BeginUpdate();
  f.list.SetCaption(2, "c2");
  f.list.Delete(0);
  f.list.EndUpdate();
  f.list.BeginUpdate();
  f.list.SetCaption(1, "c3");
  f.list.Delete(1);
  f.list.EndUpdate();
  EXPECT_EQ(f.changes, (Changes{{1, kText}}));
}

TEST(ListNotifications, SelectionRaisesStateOnlyWhenItChanges) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c"});
  f.list.SetSelected(1, true);
  f.list.SetSelected(1, true);
  f.list.SetSelected(2, false);
  f.list.SetSelected(1, false);
  EXPECT_EQ(f.changes, (Changes{{1, kState}, {1, kState}}));
  EXPECT_EQ(f.list.SelectedCount(), 0);
}

TEST(ListNotifications, FocusLeavesTheOldRowBeforeReachingTheNew) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c"});
  f.list.SetFocused(1);
  EXPECT_EQ(f.changes, (Changes{{1, kState}}));
  f.changes.clear();
  f.list.SetFocused(2);
  EXPECT_EQ(f.changes, (Changes{{1, kState}, {2, kState}}));
  f.changes.clear();
  f.list.SetFocused(2);
  EXPECT_EQ(f.changes, Changes{});
  EXPECT_EQ(f.list.FocusedIndex(), 2);
  EXPECT_EQ(f.list.SelectedCount(), 0);  // focus is no selection
}

TEST(ListNotifications, ADeletedSelectedRowLosesItsStateWhileStillListed) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c"});
  f.list.SetSelected(1, true);
  f.list.SetSelected(2, true);
  f.changes.clear();
  int countDuringNotification = -1;
  int selectedDuringNotification = -1;
  f.list.OnChange = [&](int index, ui::ItemChange change) {
    f.changes.emplace_back(index, change);
    countDuringNotification = f.list.Count();
    selectedDuringNotification = f.list.SelectedCount();
  };
  f.list.Delete(1);
  EXPECT_EQ(f.changes, (Changes{{1, kState}}));
  EXPECT_EQ(countDuringNotification, 3);
  EXPECT_EQ(selectedDuringNotification, 1);
  EXPECT_EQ(f.Captions(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(f.SelectedRows(), Rows{1});
}

TEST(ListNotifications, AnUnmarkedRowGoesSilentlyAndTheMarksBelowMoveUp) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c", "d"});
  f.list.SetSelected(3, true);
  f.list.SetFocused(2);
  f.changes.clear();
  f.list.Delete(0);
  EXPECT_EQ(f.changes, Changes{});
  EXPECT_EQ(f.SelectedRows(), Rows{2});
  EXPECT_EQ(f.list.FocusedIndex(), 1);
}

TEST(ListNotifications, TheFocusPassesToTheRowTakingTheDeletedOnesPlace) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c"});
  f.list.SetFocused(1);
  f.changes.clear();
  f.list.Delete(1);
  EXPECT_EQ(f.changes, (Changes{{1, kState}}));
  EXPECT_EQ(f.list.FocusedIndex(), 1);  // "c"
  f.list.Delete(1);
  EXPECT_EQ(f.list.FocusedIndex(), 0);  // the last row, "a"
  f.list.Delete(0);
  EXPECT_EQ(f.list.FocusedIndex(), -1);
}

TEST(ListNotifications, AClickSelectsTheRowAloneAndFocusesIt) {
  uitest::ListForm f;
  f.AddRows({"a", "b", "c", "d"});
  f.list.SetSelected(0, true);
  f.list.SetSelected(2, true);
  f.list.SetFocused(2);
  f.changes.clear();
  ui::testing::ClickRow(f.list, 1);
  EXPECT_EQ(f.SelectedRows(), Rows{1});
  EXPECT_EQ(f.list.FocusedIndex(), 1);
  // The other rows may be reported one by one or together as row -1; the clicked row is
  // reported itself.
  for (const Change& change : f.changes) EXPECT_EQ(change.second, kState);
  EXPECT_NE(std::find(f.changes.begin(), f.changes.end(), Change{1, kState}), f.changes.end());
  EXPECT_GE(f.changes.size(), 2u);
}

}  // namespace
