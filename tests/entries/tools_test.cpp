// The Tools menu: dates taken and dates in names, shifting, which times Update sets, Update
// undone, and the failed rows of an Update.
#include <gtest/gtest.h>

#include <map>

#include "entries/file_dates.h"
#include "platform/profile.h"
#include "platform/time.h"
#include "support/file_times.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"
#include "support/photo_bytes.h"
#include "support/temp_tree.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::LocalFileTime;

constexpr uint16_t kOriginal = 0x9003;

std::string Photo(const std::string& taken) {
  return testsupport::JpegBytes(testsupport::TiffBytes({false, {}, {{kOriginal, taken}}}));
}

class Tools : public testsupport::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->Show(1);
  }
  // "caption|name" of every row, top to bottom, the path cut to its name.
  Strings Dated() const {
    Strings rows;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      const ui::ListItem& row = form->ListView1.Item(i);
      rows.push_back(row.caption + "|" + row.subItems[0].substr(tree.Root().size() + 1));
    }
    return rows;
  }
  Strings SelectedNames() const {
    Strings names;
    const ui::ListView& list = form->ListView1;
    for (int i = list.NextSelected(-1); i >= 0; i = list.NextSelected(i))
      names.push_back(list.Item(i).subItems[0].substr(tree.Root().size() + 1));
    return names;
  }
  Strings BoxTexts() {
    Strings texts;
    for (const auto& box : Boxes()) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }
  static std::string Unchanged(int rows) {
    return "情報: " + std::to_string(rows) +
           " 行は変更できませんでした。選択したままにしてあります。";
  }
  const platform::FileTime kOld = LocalFileTime(2000, 1, 1, 12);
  testsupport::TempTree tree;
};

TEST_F(Tools, DatesTakenAndDatesInNamesGoToTheSelectedFilesAndTheRestStaySelected) {
  tree.AddFile("IMG_20250714_150758.jpg", Photo("2024:01:02 03:04:05"));
  tree.AddFile("plain.txt", "no photo");
  tree.AddFolder("20010203_040506");
  tree.AddFile("IMG_20200101_000001.jpg", Photo("2019:01:01 00:00:01"));  // not selected
  struct Case {
    ui::MenuItem* TForm1::*item;
    const char* photoDate;
  };
  const Case cases[] = {{&TForm1::DateTaken1, "2024/01/02 3:04:05"},
                        {&TForm1::NameDate1, "2025/07/14 15:07:58"}};
  for (const Case& c : cases) {
    form->ListView1.SelectAll();
    form->Delete1->Click();
    AddRows({{"2000/01/01", tree.Path("IMG_20250714_150758.jpg"), "jpg"},
             {"2000/01/02", tree.Path("plain.txt"), "txt"},
             {"2000/01/03", tree.Path("20010203_040506"), "フォルダ"},
             {"2000/01/04", tree.Path("IMG_20200101_000001.jpg"), "jpg"}});
    Select({0, 1, 2});
    EXPECT_TRUE((form.get()->*c.item)->Enabled());
    (form.get()->*c.item)->Click();
    EXPECT_EQ(Dated(), (Strings{"2000/01/02|plain.txt", "2000/01/03|20010203_040506",
                                "2000/01/04|IMG_20200101_000001.jpg",
                                std::string(c.photoDate) + "|IMG_20250714_150758.jpg"}));
    EXPECT_EQ(SelectedNames(), (Strings{"plain.txt", "20010203_040506"}));
    EXPECT_EQ(BoxTexts(), Strings{Unchanged(2)});
  }
  Select({});
  EXPECT_FALSE(form->DateTaken1->Enabled());
  EXPECT_FALSE(form->NameDate1->Enabled());
  EXPECT_FALSE(form->ShiftDates1->Enabled());
}

TEST_F(Tools, DatesTakenComeFromTheSidecarsOfATakeoutFolderFirst) {
  tree.AddFile("t/IMG_1.jpg", Photo("2024:01:02 03:04:05"));
  tree.AddFile("t/IMG_1.jpg.xmp",
               "<x:xmpmeta xmlns:x='adobe:ns:meta/' xmlns:exif='http://ns.adobe.com/exif/1.0/' "
               "exif:DateTimeOriginal='2011-02-03T04:05:06'/>");
  tree.AddFile("t/IMG_2(1).jpg", Photo("2024:01:02 03:04:05"));
  tree.AddFile("t/IMG_2.jpg.supplemental-metadata(1).json",
               R"({"creationTime": {"timestamp": "1000000000"}, "photoTakenTime": 0})");
  tree.AddFile("t/IMG_3.jpg", Photo("2024:01:02 03:04:05"));
  tree.AddFile("t/IMG_3.jpg.json", "{\"photoTakenTime\": ");
  platform::FileTime takeout;
  platform::UtcToLocalTime(testsupport::UtcFileTime(2001, 9, 9, 1, 46, 40), takeout);
  AddRows({{"2000/01/01", tree.Path("t/IMG_1.jpg"), "jpg"},
           {"2000/01/02", tree.Path("t/IMG_2(1).jpg"), "jpg"},
           {"2000/01/03", tree.Path("t/IMG_3.jpg"), "jpg"},
           {"2000/01/04", tree.Path("t/IMG_3.jpg.json"), "json"}});
  form->SelectAll1->Click();
  form->DateTaken1->Click();
  EXPECT_EQ(
      Dated(),
      (Strings{"2000/01/04|t" + std::string(1, platform::kPathDelimiter) + "IMG_3.jpg.json",
               LocalTimeDateText(takeout) + "|t" + std::string(1, platform::kPathDelimiter) +
                   "IMG_2(1).jpg",
               "2011/02/03 4:05:06|t" + std::string(1, platform::kPathDelimiter) + "IMG_1.jpg",
               "2024/01/02 3:04:05|t" + std::string(1, platform::kPathDelimiter) + "IMG_3.jpg"}));
  EXPECT_EQ(BoxTexts(), Strings{Unchanged(1)});
}

TEST_F(Tools, ShiftAsksUntilTheOffsetReadsAndMovesEverySelectedRowThatCanMove) {
  AddRows({{"2001/01/31 23:30:01", tree.Path("a"), "txt"},
           {"2001/03/01", tree.Path("d"), "フォルダ"},
           {"no date", tree.Path("b"), "txt"},
           {"9999/12/31 23:00:00", tree.Path("c"), "txt"},
           {"2001/01/01", tree.Path("e"), "txt"}});
  Select({1, 2, 3, 4});  // all but e, which sorts first
  ui::testing::AnswerInputBoxes({"1h", "+1h"});
  form->ShiftDates1->Click();
  const auto shown = ui::testing::TakeInputBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "日時をずらす");
  EXPECT_EQ(shown[0].label, "ずらす量 (例: +1h, -2h30m, +1d):");
  EXPECT_TRUE(shown[0].editFocused);
  EXPECT_EQ(BoxTexts(), (Strings{"Horodex: ずらす量 '1h' が正しくありません.", Unchanged(2)}));
  EXPECT_EQ(Dated(), (Strings{"2001/01/01|e", "2001/02/01 0:30:01|a", "2001/03/01 1:00:00|d",
                              "9999/12/31 23:00:00|c", "no date|b"}));
  EXPECT_EQ(SelectedNames(), (Strings{"c", "b"}));

  ui::testing::AnswerInputBoxes({std::nullopt});  // Esc
  form->ShiftDates1->Click();
  EXPECT_EQ(ui::testing::TakeInputBoxes().size(), 1u);
  EXPECT_EQ(Dated()[1], "2001/02/01 0:30:01|a");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Tools, EscStopsAndTheRowsDoneKeepTheirNewDates) {
  Strings shown;
  ui::testing::SetKeepAliveInterval(0);
  ui::testing::SetKeepAliveHook([&] {
    shown.push_back(form->StatusBar1.ShownText());
    if (shown.size() == 3) ui::testing::PostKey(*form, ui::Key(ui::kKeyEscape));
  });
  AddRows({{"1", tree.Path("20010101_000001.jpg"), "jpg"},
           {"2", tree.Path("20010101_000002.jpg"), "jpg"},
           {"3", tree.Path("20010101_000003.jpg"), "jpg"},
           {"4", tree.Path("20010101_000004.jpg"), "jpg"}});
  form->SelectAll1->Click();
  form->NameDate1->Click();
  EXPECT_EQ(Dated(), (Strings{"2001/01/01 0:00:01|20010101_000001.jpg",
                              "2001/01/01 0:00:02|20010101_000002.jpg", "3|20010101_000003.jpg",
                              "4|20010101_000004.jpg"}));
  EXPECT_EQ(SelectedNames(), (Strings{"20010101_000003.jpg", "20010101_000004.jpg"}));
  EXPECT_EQ(BoxTexts(), Strings{Unchanged(2)});
  EXPECT_EQ(shown.front(), "ファイル名の日時 0 / 4");
}

TEST_F(Tools, UpdateSetsOnlyTheCheckedTimesAndTheMarksAreKept) {
  const platform::FileTime access = LocalFileTime(2002, 2, 2, 2, 2, 2);
  tree.AddFile("a.txt", "", kOld);
  tree.SetTimes("a.txt", kOld, access);
  form->UpdateCreation1->Click();
  form->UpdateWrite1->Click();
  form->UpdateAccess1->Click();  // the last one checked stays
  EXPECT_EQ(form->UpdateCreation1->Checked() + form->UpdateAccess1->Checked() * 2 +
                form->UpdateWrite1->Checked() * 4,
            2);
  AddRows({{"2001/05/06 7:08:09", tree.Path("a.txt"), "txt"}});
  ui::testing::PressKey(*form, ui::Key(ui::kKeyF5));
  EXPECT_EQ(BoxTexts(), Strings{"情報: SUCCESS"});
  const auto times = testsupport::ReadFileTimes(tree.Path("a.txt"));
  EXPECT_EQ(times.lastWrite, kOld);
  EXPECT_EQ(times.lastAccess, LocalFileTime(2001, 5, 6, 7, 8, 9));

  form->Close();
  auto value = [this](const char* key) {
    return platform::ReadProfileValue(SettingsPath(), "update", key, "<none>", 2048);
  };
  EXPECT_EQ(value("creation") + value("access") + value("write"), "010");
  Restart("");
  EXPECT_EQ(form->UpdateTimes(), (StampTimes{false, true, false}));

  struct Case {
    const char* file;
    StampTimes times;
  };
  const Case cases[] = {
      {"", {true, true, true}},
      {"[update]\r\ncreation=0\r\n", {false, true, true}},
      {"[update]\r\ncreation=0\r\naccess=0\r\nwrite=0\r\n", {true, true, true}},
  };
  for (const Case& c : cases) {
    programFolder.AddFile("horodex.ini", c.file);
    Restart("");
    EXPECT_EQ(form->UpdateTimes(), c.times) << c.file;
  }
}

TEST_F(Tools, UndoPutsBackExactlyTheTimesOfThePathsTheUpdateStamped) {
  // Times that no date text holds: odd ticks.
  const platform::FileTime write{kOld.ticks + 1234567}, access{kOld.ticks + 7654321};
  tree.AddFile("a.txt", "", kOld);
  tree.SetTimes("a.txt", write, access);
  tree.AddFolder("d");
  tree.SetTimes("d", write, access);
  tree.AddFile("locked.txt", "", kOld);
  tree.SetReadOnly("locked.txt", true);
  AddRows({{"2001/01/01", tree.Path("a.txt"), "txt"},
           {"2001/01/02", tree.Path("d"), "フォルダ"},
           {"2001/01/03", tree.Path("locked.txt"), "txt"},
           {"2001/01/04", tree.Path("missing.txt"), "txt"}});
  EXPECT_FALSE(form->UndoUpdate1->Enabled());
  form->Rewrite1->Click();
  EXPECT_EQ(BoxTexts(), Strings{"エラー: FAILURE"});
  EXPECT_EQ(tree.LastWriteTime("a.txt"), LocalFileTime(2001, 1, 1));
  EXPECT_TRUE(form->UndoUpdate1->Enabled());
  // Changed since by someone else: the undo leaves what the Update did not stamp.
  tree.SetReadOnly("locked.txt", false);
  tree.SetTimes("locked.txt", access);

  form->UndoUpdate1->Click();
  EXPECT_EQ(BoxTexts(), Strings{"情報: SUCCESS"});
  for (const char* path : {"a.txt", "d"}) {
    EXPECT_EQ(tree.LastWriteTime(path), write) << path;
    EXPECT_EQ(tree.LastAccessTime(path), access) << path;
  }
  EXPECT_EQ(tree.LastWriteTime("locked.txt"), access);
  EXPECT_FALSE(form->UndoUpdate1->Enabled());
}

TEST_F(Tools, UndoPutsBackTheRowsStampedBeforeADateTextEndedTheUpdate) {
  tree.AddFile("a.txt", "", kOld);
  tree.AddFile("c.txt", "", kOld);
  // In date order: a.txt, the text that is no date, c.txt.
  AddRows({{"2001/01/01", tree.Path("a.txt"), "txt"},
           {"2001/13/01", tree.Path("b.txt"), "txt"},
           {"2002/01/01", tree.Path("c.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(BoxTexts(), Strings{"Horodex: '2001/13/01' は日付または時刻ではありません."});
  EXPECT_EQ(tree.LastWriteTime("a.txt"), LocalFileTime(2001, 1, 1));
  EXPECT_EQ(tree.LastWriteTime("c.txt"), kOld);
  ASSERT_TRUE(form->UndoUpdate1->Enabled());
  form->UndoUpdate1->Click();
  EXPECT_EQ(BoxTexts(), Strings{"情報: SUCCESS"});
  EXPECT_EQ(tree.LastWriteTime("a.txt"), kOld);
}

TEST_F(Tools, TheRowsThatFailedAreSelectedAndTheFirstIsShown) {
  tree.AddFile("ok.txt", "", kOld);
  std::vector<Row> rows;
  for (int i = 0; i < 60; ++i) {
    const bool fails = i == 40 || i == 50;
    char caption[32];
    std::snprintf(caption, sizeof caption, "2001/01/01 1:%02d:00", i);
    rows.push_back({caption, tree.Path(fails ? "missing" + std::to_string(i) : "ok.txt"), "txt"});
  }
  AddRows(rows);
  Select({0, 1});
  ASSERT_FALSE(form->ListView1.RowVisible(40));
  ui::testing::PressKey(*form, ui::Key(ui::kKeyF5));
  EXPECT_EQ(BoxTexts(), Strings{"エラー: FAILURE"});
  EXPECT_EQ(SelectedNames(), (Strings{"missing40", "missing50"}));
  EXPECT_EQ(form->ListView1.FocusedIndex(), 40);
  EXPECT_TRUE(form->ListView1.RowVisible(40));
}

}  // namespace
