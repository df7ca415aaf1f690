// Walking dropped and named paths into rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "entries/code_page.h"
#include "support/form_access.h"
#include "support/form_fixture.h"
#include "support/local_dates.h"
#include "support/temp_tree.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

using testsupport::LocalFileTime;
using testsupport::TempTree;

class Collect : public testsupport::FormTest {
 protected:
  CollectedPaths Walk(const std::string& path) {
    CollectedPaths list;
    TForm1Access::CollectPath(*form, path, list);
    return list;
  }
  static std::vector<std::string> PathsOf(const CollectedPaths& list) {
    std::vector<std::string> paths;
    for (const auto& entry : list) paths.push_back(entry.path);
    return paths;
  }
  // The rows keyed by path: "date text|kind".
  std::map<std::string, std::string> RowsByPath() const {
    std::map<std::string, std::string> rows;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      const auto& item = form->ListView1.Item(i);
      rows[item.subItems.at(0)] = item.caption + "|" + item.subItems.at(1);
    }
    return rows;
  }
  TempTree tree;
};

TEST_F(Collect, WalksDepthFirstWithEachFolderBeforeItsContents) {
  tree.AddFile("top/a.txt");
  tree.AddFile("top/sub/b.txt");
  tree.AddFile("top/sub/deeper/c.txt");
  tree.AddFolder("top/empty");
  tree.AddFile("top/z.txt");
  const auto paths = PathsOf(Walk(tree.Path("top")));

  ASSERT_EQ(paths.size(), 8u);
  EXPECT_EQ(paths[0], tree.Path("top"));
  auto at = [&](const std::string& relative) {
    return std::find(paths.begin(), paths.end(), tree.Path(relative)) - paths.begin();
  };
  // A sub-folder's whole contents follow it directly, before the next entry of its parent.
  EXPECT_EQ(at("top/sub/b.txt") - at("top/sub"), 1);
  EXPECT_EQ(at("top/sub/deeper"), at("top/sub") + 2);
  EXPECT_EQ(at("top/sub/deeper/c.txt"), at("top/sub") + 3);
  for (const char* name : {"top/a.txt", "top/empty", "top/z.txt"}) {
    EXPECT_LT(at(name), static_cast<long>(paths.size())) << name;
  }
}

TEST_F(Collect, RowsCarryDateTextAndKind) {
  tree.AddFile("d/report.TXT", "x", LocalFileTime(2001, 5, 6, 9, 5, 4));
  tree.AddFile("d/noext", "x", LocalFileTime(2001, 5, 6, 10, 0, 1));    // odd second: one less
  tree.AddFile("d/.profile", "x", LocalFileTime(2001, 5, 6, 0, 0, 1));  // shows the date alone
  tree.AddFolder("d/empty");
  tree.SetTimes("d/empty", LocalFileTime(2002, 12, 31, 23, 59, 58));
  tree.SetTimes("d", LocalFileTime(2003, 1, 2, 3, 4, 6));

  Restart("\"" + tree.Path("d") + "\"");
  EXPECT_EQ(RowsByPath(), (std::map<std::string, std::string>{
                              {tree.Path("d"), "2003/01/02 3:04:06|フォルダ"},
                              {tree.Path("d/report.TXT"), "2001/05/06 9:05:04|TXT"},
                              {tree.Path("d/noext"), "2001/05/06 10:00:00|"},
                              {tree.Path("d/.profile"), "2001/05/06|profile"},
                              {tree.Path("d/empty"), "2002/12/31 23:59:58|フォルダ"},
                          }));
  EXPECT_EQ(form->StatusBar1.SimpleText(), "5 個のオブジェクト");
}

TEST_F(Collect, ListsHiddenFilesAndFoldersAndAnEmptyFolderAlone) {
  tree.AddFile("h/.hidden/inside.txt");
  tree.AddFile("h/.dotfile");
  tree.AddFolder("e");
  EXPECT_EQ(Walk(tree.Path("e")).size(), 1u);
  EXPECT_EQ(Walk(tree.Path("h")).size(), 4u);
}

TEST_F(Collect, ANamedRootKeepsItsOwnDelimiter) {
  tree.AddFile("r/f.txt");
  const std::string named = tree.Path("r") + platform::kPathDelimiter;
  const auto paths = PathsOf(Walk(named));
  EXPECT_EQ(paths, (std::vector<std::string>{named, named + "f.txt"}));
}

// 表 is 95 5C in code page 932: in the path's UTF-8 no byte of it is a delimiter.
TEST_F(Collect, ANameEndingInTheSecondByte5CIsNoDelimiter) {
  tree.AddFile("表/a.txt");
  const auto paths = PathsOf(Walk(tree.Path("表")));
  EXPECT_EQ(paths, (std::vector<std::string>{tree.Path("表"), tree.Path("表/a.txt")}));
}

TEST_F(Collect, TheSameFolderTwiceGivesItsRowsTwice) {
  tree.AddFile("twice/a.txt");
  Restart(tree.Path("twice") + " " + tree.Path("twice"));
  EXPECT_EQ(form->ListView1.Count(), 4);
}

TEST_F(Collect, AMissingPathStopsTheBuildingAndKeepsEarlierRows) {
  tree.AddFile("ok/a.txt");
  tree.AddFile("later.txt");
  Restart(tree.Path("ok") + " " + tree.Path("missing") + " " + tree.Path("later.txt"));
  EXPECT_EQ(Paths().size(), 2u);
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "日付に変換できない値が渡されました.");
  EXPECT_EQ(boxes[0].caption, "Horodex");
  EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Error);
}

TEST_F(Collect, ADropThatStopsOnAnErrorIsStillFinished) {
  const int finished = platform::testing::FinishedDrops();
  ui::testing::DropFiles(*form, {tree.Path("missing")});
  EXPECT_EQ(platform::testing::FinishedDrops(), finished + 1);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->ListView1.Count(), 0);
}

// Dates the packed file date cannot hold (1970 from archives and broken clocks) are listed
// like any other, cut to two seconds.
TEST_F(Collect, FilesDatedBefore1980AndAfter2107AreListed) {
  tree.AddFile("d/1970.txt", "x", LocalFileTime(1970, 1, 1, 0, 0, 1));
  tree.AddFile("d/1979.txt", "x", LocalFileTime(1979, 12, 31, 23, 59, 59));
  tree.AddFile("d/2001.txt", "x", LocalFileTime(2001, 1, 1, 12, 0, 3));
  tree.AddFile("d/2108.txt", "x", LocalFileTime(2108, 1, 1, 0, 0, 0));
  tree.AddFile("d/2150.txt", "x", LocalFileTime(2150, 6, 7, 8, 9, 11));
  ui::testing::DropFiles(*form, {tree.Path("d")});
  EXPECT_TRUE(Boxes().empty());
  const ui::ListView& list = form->ListView1;
  std::vector<std::string> captions;
  for (int i = 0; i < list.Count(); ++i)
    if (list.Item(i).subItems[1] == "txt") captions.push_back(list.Item(i).caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"1970/01/01", "1979/12/31 23:59:58", "2001/01/01 12:00:02",
                                      "2108/01/01", "2150/06/07 8:09:10"}));
}

TEST_F(Collect, ADropAddsToTheRowsAlreadyListed) {
  tree.AddFile("one.txt");
  tree.AddFile("two.txt");
  tree.AddFile("three/x.txt");
  Restart(tree.Path("one.txt"));
  ASSERT_EQ(form->ListView1.Count(), 1);
  ui::testing::DropFiles(*form, {tree.Path("two.txt"), tree.Path("three"), tree.Path("one.txt")});
  EXPECT_EQ(form->ListView1.Count(), 5);
  EXPECT_EQ(form->StatusBar1.SimpleText(), "5 個のオブジェクト");
}

// A folder link from `link` to `target`; false where the system cannot make one.
// (Wine answers that it made one and makes nothing.)
bool MakeFolderLink(const std::string& target, const std::string& link) {
#ifdef _WIN32
  CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
  return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  return symlink(target.c_str(), link.c_str()) == 0;
#endif
}

TEST_F(Collect, AFolderLinkBackToAnAncestorIsListedButNotEntered) {
  tree.AddFile("loop/inner/f.txt");
  if (!MakeFolderLink(tree.Path("loop"), tree.Path("loop/inner/back"))) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  const auto paths = PathsOf(Walk(tree.Path("loop")));
  EXPECT_EQ(paths.size(), 4u);  // loop, inner, f.txt and the link itself
  EXPECT_NE(std::find(paths.begin(), paths.end(), tree.Path("loop/inner/back")), paths.end());
}

// Only folders on the current path close a cycle: links to a sibling or to a folder walked
// before are entered like any folder.
TEST_F(Collect, FolderLinksToOtherFoldersAreEntered) {
  tree.AddFile("w/a/f.txt");
  tree.AddFile("w/b/g.txt");
  if (!MakeFolderLink(tree.Path("w/b"), tree.Path("w/a/toB")) ||
      !MakeFolderLink(tree.Path("w/a"), tree.Path("w/b/toA"))) {
    GTEST_SKIP() << "this system makes no folder links";
  }
  const auto paths = PathsOf(Walk(tree.Path("w")));
  for (const char* reached : {"w/a/toB/g.txt", "w/b/toA/f.txt"}) {
    EXPECT_NE(std::find(paths.begin(), paths.end(), tree.Path(reached)), paths.end()) << reached;
  }
}

}  // namespace
