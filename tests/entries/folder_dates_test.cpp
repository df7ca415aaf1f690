// ツール > フォルダの日時を中身に合わせる: a folder row takes the newest date of the file rows
// beneath it, at any depth, with their edits; folders' own dates do not count.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::LocalFileTime;

class FolderDates : public testsupport::FormTest {
 protected:
  int RowOf(const std::string& name) const { return RowOfPath(tree.Path(name)); }
  std::string Caption(const std::string& name) const {
    return form->ListView1.Item(RowOf(name)).caption;
  }
  Strings SelectedNames() const {
    Strings names;
    const ui::ListView& list = form->ListView1;
    for (int i = list.NextSelected(-1); i >= 0; i = list.NextSelected(i)) {
      std::string name = list.Item(i).subItems[0].substr(tree.Root().size() + 1);
      std::replace(name.begin(), name.end(), platform::kPathDelimiter, '/');
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  testsupport::TempTree tree;
};

TEST_F(FolderDates, FoldersTakeTheirNewestFileBeneathWithItsEdit) {
  tree.AddFile("d/a.txt", "", LocalFileTime(2001, 1, 1));
  tree.AddFile("d/sub/b.txt", "", LocalFileTime(2003, 3, 3));
  tree.AddFile("d/sub/deeper/c.txt", "", LocalFileTime(2002, 2, 2));
  tree.AddFile("d/sub2/e.txt", "", LocalFileTime(2000, 6, 6));
  tree.AddFolder("d/empty");
  tree.AddFolder("e/only_a_folder");
  for (const char* folder :
       {"d/empty", "e/only_a_folder", "e", "d/sub2", "d/sub/deeper", "d/sub", "d"})
    tree.SetTimes(folder, LocalFileTime(2010, 10, 10));
  ui::testing::DropFiles(*form, {tree.Path("d"), tree.Path("e")});
  const std::string edited = "2004/04/04 4:04:04";
  form->ListView1Edited(RowOf("d/sub/deeper/c.txt"), &edited);
  Select({RowOf("d"), RowOf("d/sub"), RowOf("d/sub2"), RowOf("d/empty"), RowOf("e"),
          RowOf("d/a.txt")});
  EXPECT_TRUE(form->FolderDates1->Enabled());
  form->FolderDates1->Click();
  EXPECT_EQ(Caption("d"), edited);
  EXPECT_EQ(Caption("d/sub"), edited);
  EXPECT_EQ(Caption("d/sub2"), "2000/06/06");
  EXPECT_EQ(Caption("d/sub/deeper"), "2010/10/10");  // not selected
  EXPECT_EQ(Caption("d/empty"), "2010/10/10");
  EXPECT_EQ(Caption("e"), "2010/10/10");
  EXPECT_EQ(SelectedNames(), (Strings{"d/a.txt", "d/empty", "e"}));
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "3 行は変更できませんでした。選択したままにしてあります。");
  EXPECT_EQ(form->ListView1.MarkedCount(), 4);

  Select({});
  EXPECT_FALSE(form->FolderDates1->Enabled());
}

TEST_F(FolderDates, AFolderSpelledInAnotherCaseOrWithATrailingDelimiterMeetsItsFiles) {
  tree.AddFile("Photos/x.jpg", "", LocalFileTime(2005, 5, 5));
  tree.AddFile("Photos2/y.jpg", "", LocalFileTime(2009, 9, 9));  // beside, not beneath
  AddRows({{"2000/01/01", tree.Path("PHOTOS") + platform::kPathDelimiter, "フォルダ"},
           {"2005/05/05", tree.Path("Photos/x.jpg"), "jpg"},
           {"2009/09/09", tree.Path("Photos2/y.jpg"), "jpg"}});
  Select({0});
  form->FolderDates1->Click();
  EXPECT_EQ(form->ListView1.Item(0).caption, "2005/05/05");
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
