// Names as the file system holds them, beyond the code page or beside its look-alikes: each
// is listed as itself and reaches its own file through a walk, a drop and the command line;
// Update and its undo stamp each with its own row's date and nothing else; Save writes them
// (in UTF-8 after the mark when the code page lacks some) and Open reads the same rows back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "cli/run.h"
#include "entries/file_dates.h"
#include "listfile/list_file_fixture.h"
#include "platform/files.h"
#include "support/code_page_932.h"
#include "support/local_dates.h"
#include "support/recorded_console.h"
#include "support/temp_tree.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide.h"
#else
#include <unistd.h>
#endif

namespace {

using testsupport::LocalFileTime;

// Each entry of "t" (a folder ends in '/'). a¥b.txt is "a\b.txt" to a best-fit conversion.
const char* const kEntries[] = {
    "t/",        "t/メモ〜.txt", "t/Beyoncé.mp3", "t/emoji😀.txt", "t/한글.txt",
    "t/a¥b.txt", "t/a/",         "t/a/b.txt",     "t/表.txt",
};
// A lone surrogate (U+D800), as the generalised UTF-8 carries it; made where the system can.
const char* const kLoneSurrogate = "t/lone\xED\xA0\x80.txt";

class Names : public testsupport::ListFileTest {
 protected:
  void TearDown() override {
    platform::testing::FailSearchesAfter(std::nullopt);
    ListFileTest::TearDown();
  }
  static platform::FileTime DateOf(int i) { return LocalFileTime(2005, 3, 4, 10, i, 2 * i); }
  static std::string Relative(const std::string& entry) {
    return entry.back() == '/' ? entry.substr(0, entry.size() - 1) : entry;
  }
  // Makes the entries, each file holding its own name, and gives them in order.
  std::vector<std::string> MakeEntries() {
    std::vector<std::string> made;
    for (const char* entry : kEntries) {
      const std::string relative = Relative(entry);
      const bool folder = relative != entry;
      if (folder) {
        tree.AddFolder(relative);
      } else {
        tree.AddFile(relative, relative);
      }
      made.push_back(relative);
    }
    try {
      tree.AddFile(kLoneSurrogate, kLoneSurrogate);
      made.push_back(kLoneSurrogate);
    } catch (const std::runtime_error&) {  // a file system that cannot hold it
    }
    for (size_t i = made.size(); i-- > 0;) tree.SetTimes(made[i], DateOf(static_cast<int>(i)));
    return made;
  }
  // The row of each path: every row names an entry, as itself, once.
  std::map<std::string, int> RowsByPath() {
    std::map<std::string, int> rows;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      EXPECT_TRUE(rows.emplace(form->ListView1.Item(i).subItems.at(0), i).second);
    }
    return rows;
  }
  // Every file row reaches the file that holds its own name.
  void ExpectRowsReachTheirOwnFiles() {
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      const auto& row = form->ListView1.Item(i);
      const std::string& path = row.subItems.at(0);
      if (row.subItems.at(1) == kFolderKind) {
        EXPECT_TRUE(platform::ReadAttributes(path) & platform::kAttrDirectory) << path;
        continue;
      }
      platform::FileHandle file = platform::FileHandle::Open(
          path, platform::kGenericRead, platform::kShareRead, platform::kOpenExisting, 0);
      char contents[64] = {};
      uint32_t read = 0;
      EXPECT_TRUE(file.Read(contents, sizeof contents, read)) << path;
      EXPECT_EQ(tree.Path(std::string(contents, read)), path);
    }
  }
  std::vector<std::string> PathsOf(const std::vector<std::string>& relatives) const {
    std::vector<std::string> paths;
    for (const std::string& relative : relatives) paths.push_back(tree.Path(relative));
    return paths;
  }
  void ExpectListed(const std::vector<std::string>& relatives) {
    std::set<std::string> listed;
    for (const auto& [path, row] : RowsByPath()) listed.insert(path);
    const std::vector<std::string> paths = PathsOf(relatives);
    EXPECT_EQ(listed, std::set<std::string>(paths.begin(), paths.end()));
    ExpectRowsReachTheirOwnFiles();
    EXPECT_EQ(Boxes().size(), 0u);
  }
};

TEST_F(Names, AWalkListsEachNameAsItself) {
  const std::vector<std::string> made = MakeEntries();
  ui::testing::DropFiles(*form, {tree.Path("t")});
  ExpectListed(made);
}

// The names inside "t", but for the file of "t/a", which comes with its folder.
std::vector<std::string> Named(std::vector<std::string> made) {
  made.erase(made.begin());
  made.erase(std::find(made.begin(), made.end(), "t/a/b.txt"));
  return made;
}

TEST_F(Names, ADropListsEachNameAsItself) {
  std::vector<std::string> made = MakeEntries();
  ui::testing::DropFiles(*form, PathsOf(Named(made)), true);
  made.erase(made.begin());
  ExpectListed(made);
}

TEST_F(Names, TheCommandLineListsEachNameAsItself) {
  std::vector<std::string> made = MakeEntries();
  std::string arguments;
  for (const std::string& path : PathsOf(Named(made))) arguments += " \"" + path + "\"";
  Restart(arguments);
  made.erase(made.begin());
  ExpectListed(made);
}

// Each row gets a date of its own; Update gives each entry its row's date and its undo puts
// each back, the look-alikes (a\b.txt for a¥b.txt) included.
TEST_F(Names, UpdateAndItsUndoStampEachWithItsOwnRowsDate) {
  const std::vector<std::string> made = MakeEntries();
  ui::testing::DropFiles(*form, {tree.Path("t")});
  ASSERT_EQ(RowsByPath().size(), made.size());
  for (size_t i = 0; i < made.size(); ++i) {  // a new caption may move its row
    const int day = static_cast<int>(i) + 1;
    form->ListView1.SetCaption(RowsByPath().at(tree.Path(made[i])),
                               "2011/02/" + std::string(day < 10 ? "0" : "") + std::to_string(day));
  }
  form->Rewrite1->Click();
  EXPECT_EQ(Boxes().at(0).text, "SUCCESS");
  for (size_t i = 0; i < made.size(); ++i) {
    EXPECT_EQ(tree.LastWriteTime(made[i]), LocalFileTime(2011, 2, static_cast<int>(i) + 1))
        << made[i];
  }
  form->UndoUpdate1->Click();
  Boxes();
  for (size_t i = 0; i < made.size(); ++i) {
    EXPECT_EQ(tree.LastWriteTime(made[i]), DateOf(static_cast<int>(i))) << made[i];
  }
}

// The list's own bytes: UTF-8 after the mark where code page 932 lacks a name (where the code
// page is UTF-8, the text alone); then Open in a new window gives the same rows.
TEST_F(Names, SaveWritesUtf8AfterTheMarkAndOpenReadsTheSameRows) {
  MakeEntries();
  ui::testing::DropFiles(*form, {tree.Path("t")});
  const std::vector<std::string> rows = Rows();
  std::string text;
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    const auto& row = form->ListView1.Item(i);
    text +=
        "\"" + row.caption + "\",\"" + row.subItems.at(0) + "\",\"" + row.subItems.at(1) + "\"\r\n";
  }
  {
    testsupport::CodePage932 cp932;
    if (cp932.On()) {
      Save("utf8.txt");
      EXPECT_EQ(tree.ReadFile("utf8.txt"), "\xEF\xBB\xBF" + text);
      Reopen();
      Open({"utf8.txt"});
      EXPECT_EQ(Rows(), rows);
      EXPECT_EQ(BoxTexts(), "");
    }
  }
#ifndef _WIN32
  Reopen();
  ui::testing::DropFiles(*form, {tree.Path("t")});
  Save("plain.txt");
  EXPECT_EQ(tree.ReadFile("plain.txt"), text);
  Reopen();
  Open({"plain.txt"});
  EXPECT_EQ(Rows(), rows);
#endif
}

TEST_F(Names, TheCliListsEachNameAsItself) {
  const std::vector<std::string> made = MakeEntries();
  testsupport::RecordedConsole console;
  EXPECT_EQ(RunCli(std::vector<std::string>{"list", tree.Path("t")}, console), 0);
  EXPECT_EQ(console.err, "");
  for (const std::string& path : PathsOf(made)) {
    EXPECT_NE(console.out.find("\"" + path + "\""), std::string::npos) << path;
  }
}

TEST_F(Names, AWalkThatBreaksOffKeepsItsRowsAndSaysSoOnce) {
  for (const char* name : {"f/1", "f/2", "f/3", "f/4"}) tree.AddFile(name, "", DateOf(1));
  platform::testing::FailSearchesAfter(4);  // ".", ".." and two files
  ui::testing::DropFiles(*form, {tree.Path("f")});
  EXPECT_EQ(form->ListView1.Count(), 3);
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "フォルダ " + tree.Path("f") + " を最後まで読めませんでした。");
  EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Error);

  testsupport::RecordedConsole console;
  EXPECT_EQ(RunCli(std::vector<std::string>{"list", tree.Path("f")}, console), 1);
  EXPECT_NE(console.err.find(tree.Path("f") + ": cannot list the folder to its end: "),
            std::string::npos);
}

TEST_F(Names, ATreeDeeperThan400BytesIsListedAndStamped) {
  std::string relative;
  for (int level = 0; level < 9; ++level) {
    relative += std::string(48, 'a' + level);
    tree.AddUtf8(relative, true, "", DateOf(2));
    relative += "/";
  }
  tree.AddUtf8(relative + "deep.txt", false, "", DateOf(3));
  ASSERT_GT(tree.Path(relative).size(), 400u);
  ui::testing::DropFiles(*form, {tree.Path(relative.substr(0, 48))});
  ASSERT_EQ(form->ListView1.Count(), 10);
  for (int i = 0; i < form->ListView1.Count(); ++i) form->ListView1.SetCaption(i, "2011/02/03");
  form->Rewrite1->Click();
  EXPECT_EQ(Boxes().at(0).text, "SUCCESS");
  EXPECT_EQ(tree.Utf8LastWriteTime(relative + "deep.txt"), LocalFileTime(2011, 2, 3));
}

TEST_F(Names, ListNamesARelativePathInFull) {
  tree.AddFile("x.jpg", "", DateOf(1));
#ifdef _WIN32
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(platform::win32::ToWide(tree.Root()).c_str());
#else
  char before[4096];
  ASSERT_TRUE(getcwd(before, sizeof before));
  ASSERT_EQ(chdir(tree.Root().c_str()), 0);
#endif
  testsupport::RecordedConsole console;
  const int status = RunCli(std::vector<std::string>{"list", "x.jpg"}, console);
#ifdef _WIN32
  SetCurrentDirectoryW(before);
#else
  ASSERT_EQ(chdir(before), 0);
#endif
  EXPECT_EQ(status, 0);
  EXPECT_NE(console.out.find("\"" + tree.Path("x.jpg") + "\""), std::string::npos) << console.out;
}

#ifdef _WIN32
TEST(WidePath, LongPathsTakeThePrefixOfTheWideCalls) {
  using platform::win32::WidePath;
  const std::string folder = "C:\\" + std::string(250, 'a');
  EXPECT_EQ(WidePath("C:\\a\\b.txt"), L"C:\\a\\b.txt");
  EXPECT_EQ(WidePath(folder + "\\b.txt"), L"C:\\" + std::wstring(250, L'a') + L"\\b.txt");
  EXPECT_EQ(WidePath(folder + "\\bc.txt"),
            L"\\\\?\\C:\\" + std::wstring(250, L'a') + L"\\bc.txt");  // 260 bytes
  EXPECT_EQ(WidePath("\\\\server\\share\\" + std::string(250, 'a')),
            L"\\\\?\\UNC\\server\\share\\" + std::wstring(250, L'a'));
  // UTF-16 units count, not bytes: 200 kanji are 600 bytes, but 203 units.
  std::string kanji = "C:\\";
  for (int i = 0; i < 200; ++i) kanji += "表";
  EXPECT_EQ(WidePath(kanji), L"C:\\" + std::wstring(200, L'\u8868'));
  kanji += std::string(57, 'a');  // 260 units
  EXPECT_EQ(WidePath(kanji).rfind(L"\\\\?\\C:\\", 0), 0u);
  // A lone surrogate names its own file; a text that is no UTF-8 names none.
  EXPECT_EQ(WidePath("C:\\a\xED\xA0\x80"), std::wstring(L"C:\\a") + wchar_t(0xD800));
  EXPECT_EQ(WidePath("C:\\a\xFF"), L"");
  // The prefix takes a path literally: it is made full first.
  EXPECT_EQ(WidePath("C:\\x\\..\\" + std::string(260, 'a')),
            L"\\\\?\\C:\\" + std::wstring(260, L'a'));
}

#endif

}  // namespace
