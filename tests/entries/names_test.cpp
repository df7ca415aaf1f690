// Names that the code page cannot write: every row names its own file or none, Update stamps
// nothing but the files listed, and a walk that breaks off says so. Linux refuses the
// table's foreign characters through the platform's test hook; Windows converts with the code
// page's own tables and reaches such names through their short names where it can.
#include <gtest/gtest.h>

#include <set>

#include "app/command_line.h"
#include "cli/run.h"
#include "entries/file_dates.h"
#include "platform/files.h"
#include "support/form_fixture.h"
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

constexpr const char* kYen = "\xC2\xA5";  // best fit: the path delimiter 0x5C

// Each name's best-fit look-alike is another entry of the table, or lies outside the folder.
// A file holds its own name, and every entry has a date of its own.
const char* const kEntries[] = {
    "t/",
    "t/a/",
    "t/a/b.txt",
    "t/a\xC2\xA5\x62.txt",  // a¥b.txt: "a\b.txt"
    "t/cafe.txt",
    "t/caf\xC3\xA9.txt",       // café.txt: "cafe.txt"
    "t/x\xEF\xBD\x9E.txt",     // fullwidth tilde, which the code page has
    "t/x\xE3\x80\x9C.txt",     // wave dash: its fullwidth look-alike
    "t/\xF0\x9F\x98\x80.txt",  // an emoji: no form at all
    "t/..\xC2\xA5victim.txt",  // "..\victim.txt", outside the folder
    "t/d\xC3\xA9/",            // a folder: not entered unless reached
    "victim.txt",
};
constexpr int kInFolder = 11;  // the entries of "t", "t" included

class Names : public testsupport::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    platform::testing::RefuseInNames({kYen, "\xC3\xA9", "\xE3\x80\x9C", "\xF0\x9F\x98\x80"});
  }
  void TearDown() override {
    platform::testing::RefuseInNames({});
    platform::testing::FailSearchesAfter(std::nullopt);
    FormTest::TearDown();
  }
  static platform::FileTime DateOf(int i) { return LocalFileTime(2005, 3, 4, 10, i, 2 * i); }
  static std::string Relative(const char* entry) {
    std::string relative = entry;
    if (relative.back() == '/') relative.pop_back();
    return relative;
  }
  void MakeEntries() {
    for (int i = 0; i < static_cast<int>(std::size(kEntries)); ++i) {
      const std::string relative = Relative(kEntries[i]);
      tree.AddUtf8(relative, kEntries[i][relative.size()] == '/', relative, DateOf(i));
    }
    tree.SetTimes("t/a", DateOf(1));  // made again by their contents
    tree.SetTimes("t", DateOf(0));
  }
  // The UTF-8 path of an entry, as the shell hands it over.
  std::string Utf8Path(const std::string& relative) const {
    std::string path = tree.Root() + platform::kPathDelimiter;
    for (char c : relative) path += c == '/' ? platform::kPathDelimiter : c;
    return path;
  }
  // Checks that every file row reaches a file of its own inside "t", and gives how many
  // paths the window said it left out.
  int CheckRowsAndCountLeftOut() {
    std::set<std::string> reached;
    for (int i = 0; i < form->ListView1.Count(); ++i) {
      const auto& row = form->ListView1.Item(i);
      const std::string& path = row.subItems.at(0);
      if (row.subItems.at(1) == kFolderKind) {
        EXPECT_TRUE(platform::ReadAttributes(path) & platform::kAttrDirectory) << path;
        EXPECT_TRUE(reached.insert(path).second) << path;
        continue;
      }
      platform::FileHandle file = platform::FileHandle::Open(
          path, platform::kGenericRead, platform::kShareRead, platform::kOpenExisting, 0);
      char contents[64] = {};
      uint32_t read = 0;
      EXPECT_TRUE(file.Read(contents, sizeof contents, read)) << path;
      const std::string own(contents, read);
      EXPECT_EQ(own.rfind("t/", 0), 0u) << path << " reaches " << own;
      EXPECT_TRUE(reached.insert(own).second) << path << " reaches " << own << " again";
    }
    int leftOut = 0;
    for (const auto& box : Boxes()) {
      EXPECT_EQ(box.caption, "情報");
      leftOut = std::stoi(box.text);
      EXPECT_NE(box.text.find(" 個のファイルまたはフォルダは、名前に扱えない文字があるため一覧"
                              "に加えていません。\r\n"),
                std::string::npos);
    }
    return leftOut;
  }
  void ExpectEveryEntryKeepsItsOwnDate() {
    for (int i = 0; i < static_cast<int>(std::size(kEntries)); ++i) {
      EXPECT_EQ(tree.Utf8LastWriteTime(Relative(kEntries[i])), DateOf(i)) << i;
    }
  }
  testsupport::TempTree tree;
};

TEST_F(Names, ADroppedFolderListsEachNameAsItselfOrNotAtAllAndUpdateStampsOnlyItsOwn) {
  MakeEntries();
  ui::testing::DropFiles(*form, {tree.Path("t")});
  EXPECT_EQ(form->ListView1.Count() + CheckRowsAndCountLeftOut(), kInFolder);
  form->Rewrite1->Click();
  EXPECT_EQ(Boxes().at(0).text, "SUCCESS");
  ExpectEveryEntryKeepsItsOwnDate();
}

TEST_F(Names, DroppedNamesAreListedAsThemselvesOrLeftOut) {
  MakeEntries();
  const char* dropped[] = {"t/cafe.txt", "t/caf\xC3\xA9.txt", "t/a\xC2\xA5\x62.txt",
                           "t/\xF0\x9F\x98\x80.txt", "t/..\xC2\xA5victim.txt"};
  std::vector<std::string> paths;
  for (const char* name : dropped) paths.push_back(Utf8Path(name));
  ui::testing::DropFiles(*form, paths, true);
  EXPECT_EQ(form->ListView1.Count() + CheckRowsAndCountLeftOut(), 5);
  form->Rewrite1->Click();
  EXPECT_EQ(Boxes().at(0).text, "SUCCESS");
  ExpectEveryEntryKeepsItsOwnDate();
}

TEST_F(Names, TheCliReportsWhatItLeavesOut) {
  MakeEntries();
  testsupport::RecordedConsole console;
  using Arguments = std::vector<platform::ProgramArgument>;
  const int status = RunCli(
      Arguments{{"list", true}, {tree.Path("t"), true}, {Utf8Path("t/caf\xC3\xA9.txt"), false}},
      console);
  const auto said = [&](const std::string& text) {
    return console.err.find(text) != std::string::npos;
  };
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(said(": left out: its name has characters that the code page cannot hold\n"));
  EXPECT_NE(console.out.find(tree.Path("t/cafe.txt")), std::string::npos);
  // An option's value refused: nothing is done, and -o does not take the next word.
  console = {};
  EXPECT_EQ(RunCli(Arguments{{"list", true},
                             {tree.Path("t"), true},
                             {"-o", true},
                             {Utf8Path("t/x\xC3\xA9"), false},
                             {tree.Path("victim.txt"), true}},
                   console),
            2);
  EXPECT_EQ(console.out, "");
  EXPECT_EQ(tree.ReadFile("victim.txt"), "victim.txt");
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
  char before[MAX_PATH];
  GetCurrentDirectoryA(sizeof before, before);
  SetCurrentDirectoryA(tree.Root().c_str());
#else
  char before[4096];
  ASSERT_TRUE(getcwd(before, sizeof before));
  ASSERT_EQ(chdir(tree.Root().c_str()), 0);
#endif
  testsupport::RecordedConsole console;
  const int status = RunCli(std::vector<std::string>{"list", "x.jpg"}, console);
#ifdef _WIN32
  SetCurrentDirectoryA(before);
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
  // Bytes count: 130 double-byte characters are 260 bytes.
  std::string doubleBytes = "C:\\";
  for (int i = 0; i < 129; ++i) doubleBytes += "\x95\x5C";  // 表
  EXPECT_EQ(WidePath(doubleBytes).rfind(L"\\\\?\\C:\\", 0), 0u);
  // The prefix takes a path literally: it is made full first.
  EXPECT_EQ(WidePath("C:\\x\\..\\" + std::string(260, 'a')),
            L"\\\\?\\C:\\" + std::wstring(260, L'a'));
}

TEST_F(Names, TheCommandLineTakesEachNameAsItselfOrLeavesItOut) {
  MakeEntries();
  const std::wstring root = platform::win32::FromCodePage(tree.Root()) + L"\\t\\";
  const auto converted = platform::win32::CommandLineInCodePage(
      L"horodex.exe \"" + root + L"caf\u00e9.txt\" " + root + L"cafe.txt \"\" " + root +
      L"a\u00a5b.txt " + root + L"missing\u00e9.txt");
  ASSERT_EQ(converted.unnamable.size(), 1u);  // a missing file has no short name
  std::vector<std::string> paths = CommandLineArguments(converted.line);
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[1], tree.Path("t/cafe.txt"));
  std::set<std::string> reached;
  for (const std::string& path : paths) {
    platform::FileHandle file = platform::FileHandle::Open(
        path, platform::kGenericRead, platform::kShareRead, platform::kOpenExisting, 0);
    char contents[64] = {};
    uint32_t read = 0;
    ASSERT_TRUE(file.Read(contents, sizeof contents, read)) << path;
    EXPECT_TRUE(reached.insert(std::string(contents, read)).second) << path;
  }
}
#endif

}  // namespace
