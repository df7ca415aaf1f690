// The order of the rows: by column, after every bulk update, after an edit.
#include <gtest/gtest.h>

#include <algorithm>

#include "listedit/sort.h"
#include "support/form_fixture.h"
#include "ui/bulk_update.h"

namespace {

using Strings = std::vector<std::string>;

class Sorting : public testsupport::FormTest {
 protected:
  void MixedRows() {
    AddRows({{"2001/05/06 9:05:04", "D:\\ab\\x", "フォルダ"},
             {"2001/05/06 10:00:00", "D:\\abc", "TXT"},
             {"2001/05/06", "D:\\ab", ""},
             {"2000/12/31 23:00:00", "d:\\AA", "doc"}});
  }
  Strings Kinds() const {
    Strings kinds;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      kinds.push_back(form->ListView1.Item(i).subItems.at(1));
    }
    return kinds;
  }
};

TEST_F(Sorting, EachColumnOrdersTheRowsAscending) {
  MixedRows();
  EXPECT_EQ(Captions(), (Strings{"2000/12/31 23:00:00", "2001/05/06", "2001/05/06 10:00:00",
                                 "2001/05/06 9:05:04"}));
  ui::testing::ClickColumnHeader(form->ListView1, 1);
  EXPECT_EQ(SortColumn, 1);
  EXPECT_EQ(Paths(), (Strings{"d:\\AA", "D:\\ab", "D:\\abc", "D:\\ab\\x"}));
  form->SortExt1Click();
  EXPECT_EQ(SortColumn, 2);
  EXPECT_EQ(Kinds(), (Strings{"", "doc", "TXT", "フォルダ"}));
  form->SortExt1Click();  // the same column again: the same ascending order
  EXPECT_EQ(Kinds(), (Strings{"", "doc", "TXT", "フォルダ"}));
  form->SortDate1Click();
  EXPECT_EQ(Captions().front(), "2000/12/31 23:00:00");
}

TEST_F(Sorting, AColumnChosenOnAnEmptyListPlacesLaterRows) {
  form->SortPath1Click();
  EXPECT_EQ(SortColumn, 1);
  MixedRows();
  EXPECT_EQ(Paths(), (Strings{"d:\\AA", "D:\\ab", "D:\\abc", "D:\\ab\\x"}));
}

TEST_F(Sorting, ABulkUpdateSortsOnceAtItsOutermostEnd) {
  ui::ListView& list = form->ListView1;
  {
    BulkUpdate outer(list);
    {
      BulkUpdate inner(list);
      for (const char* caption : {"3", "1", "2"}) {
        const int row = list.Add();
        list.SetCaption(row, caption);
      }
    }
    EXPECT_EQ(Captions(), (Strings{"3", "1", "2"}));  // still in the order they came
    list.SetCaption(0, "0");
    EXPECT_EQ(Captions(), (Strings{"0", "1", "2"}));
    list.SetCaption(0, "9");
    EXPECT_EQ(Captions(), (Strings{"9", "1", "2"}));
  }
  EXPECT_EQ(Captions(), (Strings{"1", "2", "9"}));
}

TEST_F(Sorting, SettingADateTextSortsOnlyByTheDateColumnsOrder) {
  MixedRows();
  ui::ListView& list = form->ListView1;
  list.SetCaption(0, "2099/01/01");  // the top row moves to the bottom at once
  EXPECT_EQ(Captions().back(), "2099/01/01");

  form->SortPath1Click();
  const Strings byPath = Paths();
  list.SetCaption(0, "0000");  // ordered by path the row stays where it is
  EXPECT_EQ(Paths(), byPath);
  EXPECT_EQ(Captions().front(), "0000");
}

TEST_F(Sorting, ARowWithoutSubItemsSortsAsEmpty) {
  MixedRows();
  ui::ListView& list = form->ListView1;
  {
    BulkUpdate bulk(list);
    list.SetCaption(list.Add(), "1999/01/01");
  }
  form->SortPath1Click();
  EXPECT_EQ(Captions().front(), "1999/01/01");
  form->SortExt1Click();
  // The missing kind ranks with the empty one; their order among themselves is open.
  const Strings captions = Captions();
  Strings firstTwo(captions.begin(), captions.begin() + 2);
  std::sort(firstTwo.begin(), firstTwo.end());
  EXPECT_EQ(firstTwo, (Strings{"1999/01/01", "2001/05/06"}));
}

TEST_F(Sorting, SelectionAndFocusStayWithTheirRows) {
  MixedRows();
  ui::ListView& list = form->ListView1;
  Select({0, 3});  // "2000/12/31 23:00:00" and "2001/05/06 9:05:04"
  list.SetFocused(3);
  form->SortPath1Click();  // d:\AA, D:\ab, D:\abc, D:\ab\x
  EXPECT_TRUE(list.Selected(0));
  EXPECT_TRUE(list.Selected(3));
  EXPECT_EQ(list.SelectedCount(), 2);
  EXPECT_EQ(list.FocusedIndex(), 3);
  EXPECT_EQ(list.Item(list.FocusedIndex()).caption, "2001/05/06 9:05:04");
}

}  // namespace
