// The Update command writing row dates to files and folders.
#include <gtest/gtest.h>

#include "entries/file_dates.h"
#include "entries/stamp_run.h"
#include "platform/files.h"
#include "support/file_times.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"
#include "support/temp_tree.h"
#include "support/zone_instants.h"
#include "ui/testing.h"

namespace {

using testsupport::LocalFileTime;
using testsupport::ReadFileTimes;

class Rewrite : public testsupport::FormTest {
 protected:
  void ExpectStamped(const std::string& relative, platform::FileTime expected) {
    const auto times = ReadFileTimes(tree.Path(relative));
    EXPECT_EQ(times.lastWrite.ticks, expected.ticks) << relative;
    EXPECT_EQ(times.lastAccess.ticks, expected.ticks) << relative;
  }
  void ExpectUntouched(const std::string& relative) {
    EXPECT_EQ(ReadFileTimes(tree.Path(relative)).lastWrite.ticks, kOld.ticks) << relative;
  }
  // The one result box, with its place checked.
  std::string ResultBox() {
    const auto boxes = Boxes();
    if (boxes.size() != 1) return "boxes: " + std::to_string(boxes.size());
    const auto& box = boxes[0];
    const int x = form->Left() + form->Width() / 3, y = form->Top() + form->Height() / 3;
    EXPECT_EQ(box.left, x);
    EXPECT_EQ(box.top, y);
    const bool failure = box.text == "FAILURE";
    EXPECT_EQ(box.caption, failure ? "エラー" : "情報");
    EXPECT_EQ(box.icon, failure ? ui::BoxIcon::Error : ui::BoxIcon::Information);
    return box.text;
  }
  const platform::FileTime kOld = LocalFileTime(2000, 1, 1, 12);
  testsupport::TempTree tree;
};

TEST_F(Rewrite, AnEmptyListDoesNothing) {
  form->Rewrite1->Click();
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(Rewrite, StampsEveryFileAndFolderWithItsRowDate) {
  tree.AddFile("a.txt", "a", kOld);
  tree.AddFile("dir/b", "b", kOld);
  AddRows({{"2001/05/06 9:05:04", tree.Path("a.txt"), "txt"},
           {"2010/12/31", tree.Path("dir"), "フォルダ"},
           {" 2011 / 2 / 3  13:14", tree.Path("dir/b"), ""}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  ExpectStamped("a.txt", LocalFileTime(2001, 5, 6, 9, 5, 4));
  ExpectStamped("dir", LocalFileTime(2010, 12, 31));
  ExpectStamped("dir/b", LocalFileTime(2011, 2, 3, 13, 14));
}

TEST_F(Rewrite, ReadingARowBackAndWritingItGivesTheSameInstant) {
  tree.AddFile("same.txt", "x", LocalFileTime(2004, 7, 8, 21, 30, 44));
  Restart(tree.Path("same.txt"));
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  ExpectStamped("same.txt", LocalFileTime(2004, 7, 8, 21, 30, 44));
}

TEST_F(Rewrite, FailuresAreCountedAndTheOtherRowsApplied) {
  tree.AddFile("1.txt", "", kOld);
  tree.AddFile("2.txt", "", kOld);
  tree.AddFile("folder-kind-file.txt", "", kOld);
  tree.AddFolder("dir");
  tree.SetTimes("dir", kOld);
  AddRows({{"2001/01/01", tree.Path("1.txt"), "txt"},
           {"2001/01/02", tree.Path("deleted.txt"), "txt"},
           {"2001/01/03", tree.Path("dir"), "dir"},  // a folder whose kind is no folder kind
           {"2001/01/04", tree.Path("folder-kind-file.txt"), "フォルダ"},
           {"1500/01/05", tree.Path("2.txt"), "txt"},  // before any file time
           {"2001/01/06", tree.Path("2.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "FAILURE");
  ExpectStamped("1.txt", LocalFileTime(2001, 1, 1));
  ExpectUntouched("dir");
  ExpectStamped("folder-kind-file.txt", LocalFileTime(2001, 1, 4));
  ExpectStamped("2.txt", LocalFileTime(2001, 1, 6));
}

TEST_F(Rewrite, ADateNoFileTimeCanHoldFailsWithoutTouchingItsPath) {
  tree.AddFile("old.txt", "", kOld);
  AddRows({{"1500/01/05", tree.Path("old.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "FAILURE");
  ExpectUntouched("old.txt");
}

TEST_F(Rewrite, AFileAnotherProgramIsReadingIsStamped) {
  tree.AddFile("viewed.txt", "", kOld);
  // A viewer reads and lets others read and write.
  const auto viewer = platform::FileHandle::Open(tree.Path("viewed.txt"), platform::kGenericRead,
                                                 platform::kShareRead | platform::kShareWrite,
                                                 platform::kOpenExisting, platform::kFlagNormal);
  ASSERT_TRUE(viewer.Valid());
  AddRows({{"2001/01/02 3:04:05", tree.Path("viewed.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  ExpectStamped("viewed.txt", LocalFileTime(2001, 1, 2, 3, 4, 5));
}

TEST_F(Rewrite, AReadOnlyFileKeepsItsTimes) {
  tree.AddFile("ro.txt", "", kOld);
  tree.AddFile("rw.txt", "", kOld);
  tree.SetReadOnly("ro.txt", true);
  if (platform::FileHandle::Open(tree.Path("ro.txt"), platform::kGenericWrite, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal)
          .Valid()) {
    GTEST_SKIP() << "this user may write read-only files (root under Wine)";
  }
  AddRows({{"2001/01/01", tree.Path("ro.txt"), "txt"}, {"2001/01/02", tree.Path("rw.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "FAILURE");
  ExpectUntouched("ro.txt");
  ExpectStamped("rw.txt", LocalFileTime(2001, 1, 2));
}

TEST_F(Rewrite, ATextThatIsNoDateStopsAtItsRowWithoutAResultBox) {
  for (const char* name : {"1", "2", "3", "4", "5"}) tree.AddFile(name, "", kOld);
  AddRows({{"2001/01/01", tree.Path("1"), ""},
           {"2001/01/02", tree.Path("2"), ""},
           {"2001/01/03 later", tree.Path("3"), ""},
           {"2001/01/04", tree.Path("4"), ""},
           {"2001/01/05", tree.Path("5"), ""}});
  form->Rewrite1->Click();
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'2001/01/03 later' は日付または時刻ではありません.");
  EXPECT_EQ(boxes[0].caption, "Horodex");
  ExpectStamped("1", LocalFileTime(2001, 1, 1));
  ExpectStamped("2", LocalFileTime(2001, 1, 2));
  for (const char* name : {"3", "4", "5"}) ExpectUntouched(name);
}

// A row remembers its exact time in no more than 16 bytes beside its texts.
static_assert(sizeof(ui::ListItem) <= sizeof(std::string) + sizeof(std::vector<std::string>) + 16);

TEST_F(Rewrite, AnUpdateAfterOneEditKeepsTheOtherFilesExactTimes) {
  // An odd second and a fraction, which a date text cannot show.
  const platform::FileTime exact{testsupport::UtcFileTime(2004, 7, 8, 21, 30, 45).ticks + 1234567};
  tree.AddFile("d/a.txt", "", exact);
  tree.AddFile("d/b.txt", "", exact);
  tree.AddFile("d/c.txt", "", exact);
  tree.SetTimes("d", exact);
  ui::testing::DropFiles(*form, {tree.Path("d")});
  ui::ListView& list = form->ListView1;
  ASSERT_EQ(list.Count(), 4);
  const std::string listed = list.Item(0).caption;
  auto rowOf = [&](const char* relative) {  // rows move as their captions change
    for (int i = 0; i < list.Count(); ++i)
      if (list.Item(i).subItems[0] == tree.Path(relative)) return i;
    return -1;
  };
  list.SetCaption(rowOf("d/a.txt"), "2001/01/02 3:04:05");
  // Edited to another text and back: the text is still the one listed.
  list.SetCaption(rowOf("d/c.txt"), "2001/01/02");
  list.SetCaption(rowOf("d/c.txt"), listed);
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  ExpectStamped("d/a.txt", LocalFileTime(2001, 1, 2, 3, 4, 5));
  ExpectStamped("d/b.txt", exact);
  ExpectStamped("d/c.txt", exact);
  ExpectStamped("d", exact);
  // The same text from a list file is read as written: to the second it shows.
  AddRows({{listed, tree.Path("d/b.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  EXPECT_EQ(ReadFileTimes(tree.Path("d/b.txt")).lastWrite.ticks,
            exact.ticks - exact.ticks % 20'000'000);
}

// Files on each side of the clock changes list with the local time of their own date, and
// that time typed back names the same instant.
TEST_F(Rewrite, EachDateListsAndIsWrittenWithTheOffsetInForceOnIt) {
  const std::string zone = testsupport::TableZone();
  if (zone.empty()) GTEST_SKIP() << "runs with TZ=Europe/Berlin or TZ=America/New_York";
  using Way = testsupport::ZoneInstant::Way;
  auto fields = [](const int(&f)[6]) {
    return testsupport::UtcFileTime(f[0], f[1], f[2], f[3], f[4], f[5]);
  };
  std::vector<testsupport::ZoneInstant> rows;
  for (const auto& row : testsupport::ZoneInstants(zone))
    if (row.ticks == 0) rows.push_back(row);
  std::vector<Row> typed;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string name = "z/" + std::to_string(i) + ".txt";
    tree.AddFile(name, "", fields(rows[i].utc));
    typed.push_back({LocalTimeDateText(fields(rows[i].local)), tree.Path(name), "txt"});
  }
  ui::testing::DropFiles(*form, {tree.Path("z")});
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].way == Way::ToUtc) continue;
    const std::vector<std::string> found = Rows();
    const std::string expected = typed[i].caption + "|" + typed[i].path + "|txt";
    EXPECT_NE(std::find(found.begin(), found.end(), expected), found.end()) << expected;
  }
  Restart("");
  for (size_t i = 0; i < rows.size(); ++i) tree.SetTimes("z/" + std::to_string(i) + ".txt", kOld);
  std::vector<Row> toType;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].way != Way::ToLocal) toType.push_back(typed[i]);
  AddRows(toType);
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].way == Way::ToLocal) continue;
    ExpectStamped("z/" + std::to_string(i) + ".txt", fields(rows[i].utc));
  }
}

// The window's stamping on 1, 2 and 8 threads: a path listed twice takes its later row, and
// the undo gives it back what it had before the Update.
class RewriteOn : public Rewrite, public ::testing::WithParamInterface<unsigned> {
 protected:
  void SetUp() override {
    Rewrite::SetUp();
    SetStampThreadsForTests(GetParam());
  }
  void TearDown() override {
    SetStampThreadsForTests(0);
    Rewrite::TearDown();
  }
};

TEST_P(RewriteOn, APathListedTwiceTakesTheLaterRowAndTheUndoItsTimesBefore) {
  tree.AddFile("twice.txt", "", kOld);
  tree.AddFile("other.txt", "", kOld);
  AddRows({{"2001/01/01", tree.Path("twice.txt"), "txt"},
           {"2001/01/02", tree.Path("other.txt"), "txt"},
           {"2001/01/03", tree.Path("deleted.txt"), "txt"},
           {"2001/01/04", tree.Path("twice.txt"), "txt"}});
  form->Rewrite1->Click();
  EXPECT_EQ(ResultBox(), "FAILURE");
  const ui::ListView& list = form->ListView1;
  EXPECT_EQ(list.NextSelected(-1), 2);  // deleted.txt's row alone
  EXPECT_EQ(list.NextSelected(2), -1);
  ExpectStamped("twice.txt", LocalFileTime(2001, 1, 4));
  ExpectStamped("other.txt", LocalFileTime(2001, 1, 2));
  form->UndoUpdate1->Click();
  EXPECT_EQ(ResultBox(), "SUCCESS");
  ExpectStamped("twice.txt", kOld);
  ExpectStamped("other.txt", kOld);
}

INSTANTIATE_TEST_SUITE_P(Threads, RewriteOn, ::testing::Values(1u, 2u, 8u));

}  // namespace
