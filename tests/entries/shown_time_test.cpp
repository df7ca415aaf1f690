// 表示する日時: the date column shows any of the three times, rows the user changed keep their
// texts, and an untouched row writes back exactly the time it shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "entries/file_dates.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "support/file_times.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::LocalFileTime;

class ShownTime : public testsupport::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->Show(1);
  }
  // "caption|name" of every file row, ordered by name. (A folder's access time changes as
  // it is listed.)
  Strings Dated() {
    form->SortPath1->Click();
    Strings rows;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      const ui::ListItem& row = form->ListView1.Item(i);
      if (row.subItems[1] == "フォルダ") continue;
      std::string name = row.subItems[0].substr(tree.Root().size() + 1);
      std::replace(name.begin(), name.end(), platform::kPathDelimiter, '/');
      rows.push_back(row.caption + "|" + name);
    }
    return rows;
  }
  int RowOf(const std::string& name) const { return RowOfPath(tree.Path(name)); }
  void Edit(const std::string& name, const std::string& text) {
    form->ListView1Edited(RowOf(name), &text);
  }
  std::string Chosen() const {
    return std::to_string(form->ShowWriteTime1->Checked()) +
           std::to_string(form->ShowCreationTime1->Checked()) +
           std::to_string(form->ShowAccessTime1->Checked()) + " " +
           form->ListView1.ColumnCaption(0);
  }
  const platform::FileTime kWrite = LocalFileTime(2001, 1, 1, 10);
  const platform::FileTime kAccess = LocalFileTime(2002, 2, 2, 11);
  testsupport::TempTree tree;
};

TEST_F(ShownTime, TheColumnShowsTheChosenTimeAndChangedRowsKeepTheirTexts) {
  const platform::FileTime started = LocalFileTime(2020, 1, 1);
  for (const char* name : {"d/a.txt", "d/b.txt"}) {
    tree.AddFile(name, "", kWrite);
    tree.SetTimes(name, kWrite, kAccess);
  }
  tree.SetTimes("d", kWrite);
  EXPECT_EQ(Chosen(), "100 更新日時");
  EXPECT_TRUE(form->ShowAccessTime1->RadioItem());
  ui::testing::DropFiles(*form, {tree.Path("d")});
  Edit("d/b.txt", "2003/03/03");

  form->ShowAccessTime1->Click();
  EXPECT_EQ(Chosen(), "001 アクセス日時");
  EXPECT_EQ(Dated(), (Strings{"2002/02/02 11:00:00|d/a.txt", "2003/03/03|d/b.txt"}));
  EXPECT_EQ(form->SortDate1->Caption(), "更新日時(&D)");

  // Linux gives the birth time where the file system keeps one; Wine keeps none and gives
  // the last-write time, as the posix build does without one.
  form->ShowCreationTime1->Click();
  EXPECT_EQ(Chosen(), "010 作成日時");
  platform::FoundEntry found;
  ASSERT_TRUE(platform::FindOne(tree.Path("d/a.txt"), found));
  EXPECT_TRUE(found.creation == kWrite || found.creation.ticks > started.ticks);
  EXPECT_EQ(form->ListView1.Item(RowOf("d/a.txt")).caption, ListedDateText(found.creation));
  EXPECT_EQ(form->ListView1.Item(RowOf("d/b.txt")).caption, "2003/03/03");

  form->ShowWriteTime1->Click();
  EXPECT_EQ(Chosen(), "100 更新日時");
  EXPECT_EQ(Dated(), (Strings{"2001/01/01 10:00:00|d/a.txt", "2003/03/03|d/b.txt"}));
  EXPECT_EQ(form->ListView1.Item(RowOf("d")).caption, "2001/01/01 10:00:00");
  // A drop after the switch lists the chosen time too.
  form->ShowAccessTime1->Click();
  tree.AddFile("c.txt", "", kWrite);
  tree.SetTimes("c.txt", kWrite, kAccess);
  ui::testing::DropFiles(*form, {tree.Path("c.txt")});
  EXPECT_EQ(form->ListView1.Item(RowOf("c.txt")).caption, "2002/02/02 11:00:00");
  EXPECT_EQ(form->ListView1.MarkedCount(), 1);
}

TEST_F(ShownTime, AnUntouchedRowWritesExactlyTheTimeItShowsIntoTheTimesChecked) {
  // Times that no date text holds: odd ticks.
  const platform::FileTime write{kWrite.ticks + 1234567}, access{kAccess.ticks + 7654321};
  tree.AddFile("a.txt", "", write);
  tree.SetTimes("a.txt", write, access);
  ui::testing::DropFiles(*form, {tree.Path("a.txt")});
  form->ShowAccessTime1->Click();
  form->UpdateCreation1->Click();
  form->UpdateAccess1->Click();  // only 更新日時 is set: the access time copied to it
  form->Rewrite1->Click();
  ASSERT_EQ(Boxes().size(), 1u);
  const auto times = testsupport::ReadFileTimes(tree.Path("a.txt"));
  EXPECT_EQ(times.lastWrite, access);
  EXPECT_EQ(times.lastAccess, access);
}

TEST_F(ShownTime, EscLeavesTheRowsAndTheChoiceAsTheyWere) {
  for (const char* name : {"d/a.txt", "d/b.txt", "d/c.txt"}) {
    tree.AddFile(name, "", kWrite);
    tree.SetTimes(name, kWrite, kAccess);
  }
  ui::testing::DropFiles(*form, {tree.Path("d")});
  const Strings before = Dated();
  Strings shown;
  ui::testing::SetKeepAliveInterval(0);
  ui::testing::SetKeepAliveHook([&] {
    shown.push_back(form->StatusBar1.ShownText());
    if (shown.size() == 2) ui::testing::PostKey(*form, ui::Key(ui::kKeyEscape));
  });
  form->ShowAccessTime1->Click();
  ui::testing::SetKeepAliveHook(nullptr);
  EXPECT_EQ(Dated(), before);
  EXPECT_EQ(Chosen(), "100 更新日時");
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front(), "日時の読み直し 0 / 4");
}

TEST_F(ShownTime, RowsWhoseTimeCannotBeReadKeepTheirTextsAndAreSelected) {
  tree.AddFile("a.txt", "", kWrite);
  tree.AddFile("gone.txt", "", kWrite);
  ui::testing::DropFiles(*form, {tree.Path("a.txt"), tree.Path("gone.txt")});
  tree.Remove("gone.txt");
  tree.SetTimes("a.txt", kWrite, kAccess);
  form->ShowAccessTime1->Click();
  EXPECT_EQ(Dated(), (Strings{"2002/02/02 11:00:00|a.txt", "2001/01/01 10:00:00|gone.txt"}));
  EXPECT_EQ(form->ListView1.NextSelected(-1), RowOf("gone.txt"));
  EXPECT_EQ(form->ListView1.SelectedCount(), 1);
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "1 行は日時を読めませんでした。その行を選択してあります。");
}

TEST_F(ShownTime, TheChoiceIsKeptInTheSettingsFile) {
  auto value = [this] {
    return platform::ReadProfileValue(SettingsPath(), "show", "time", "<none>", 2048);
  };
  struct Case {
    ui::MenuItem* TForm1::*item;
    const char* value;
  };
  for (const Case& c :
       {Case{&TForm1::ShowCreationTime1, "creation"}, Case{&TForm1::ShowAccessTime1, "access"},
        Case{&TForm1::ShowWriteTime1, "write"}}) {
    (form.get()->*c.item)->Click();
    const std::string chosen = Chosen();
    form->Close();
    EXPECT_EQ(value(), c.value);
    EXPECT_EQ(platform::ReadProfileKeys(SettingsPath(), "show", 4096),
              (Strings{"toolbar", "statusbar", "window", "time"}));
    Restart("");
    EXPECT_EQ(Chosen(), chosen);
  }
  for (const char* file : {"", "[show]\r\ntime=modified\r\n"}) {
    programFolder.AddFile("horodex.ini", file);
    Restart("");
    EXPECT_EQ(Chosen(), "100 更新日時") << file;
  }
}

}  // namespace
