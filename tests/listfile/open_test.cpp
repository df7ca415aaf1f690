// File > Open: the reader's rules, its errors, and several files in one go.
#include <gtest/gtest.h>

#include <set>

#include "core/errors.h"
#include "listfile/list_file_fixture.h"
#include "platform/files.h"
#include "support/code_page_932.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::ListFileTest;

TEST_F(ListFileTest, RowsReadBackExactly) {
  AddRows({{"2001/05/06 9:05:04", "C:\\dir,with,commas\\a.txt", "txt"},
           {"say \"hi\", \"\"", "C:\\\"quoted\"", "\""},
           {" tab\tand blanks ", "C:\\no kind", ""},
           {"", "", ""},
           {"2002/02/02", "C:\\表\\ソ.txt", "txt"},  // in code page 932 95 5C and 83 5C
           {"平成14年", "C:\\フォルダ", "フォルダ"}});
  const Strings rows = Rows();
  Save("list.txt");
  Reopen();
  Open({"list.txt"});
  EXPECT_EQ(BoxTexts(), "");
  EXPECT_EQ(Rows(), rows);
}

TEST_F(ListFileTest, PlacesTheFieldsOfEachLineByTheirRules) {
  struct Case {
    const char* rule;
    std::string bytes;
    Strings rows;  // in date-text order, "caption|path|kind"
    std::string box;
  };
  const Case cases[] = {
      {"a blank last line is an empty row",
       "\"1\",\"a\",\"x\"\r\n\r\n",
       {"", "1|a|x"},
       "リストのインデックスが範囲を超えています (0)"},
      {"a short line keeps its row and ends the file",
       "\"1\",\"a\"\r\n\"2\",\"b\",\"y\"\r\n",
       {"1|a"},
       "リストのインデックスが範囲を超えています (2)"},
      {"fields after the third are dropped", "\"1\",\"a\",\"x\",\"w\"", {"1|a|x"}, ""},
  };
  for (const Case& c : cases) {
    Reopen();
    tree.AddFile("case.txt", c.bytes);
    Open({"case.txt"});
    EXPECT_EQ(Rows(), c.rows) << c.rule;
    EXPECT_EQ(BoxTexts(), c.box) << c.rule;
  }
}

TEST_F(ListFileTest, AnOpenStopsAtAFileThatCannotBeRead) {
  tree.AddFile("first.txt", "\"1\",\"a\",\"x\"\r\n");
  tree.AddFile("held.txt", "\"2\",\"b\",\"y\"\r\n");
  tree.AddFile("last.txt", "\"3\",\"c\",\"z\"\r\n");
  tree.AddFolder("folder.txt");
  // Another program is writing this one.
  const platform::FileHandle writer = platform::FileHandle::Open(
      tree.Path("held.txt"), platform::kGenericWrite, platform::kShareRead, platform::kOpenExisting,
      platform::kFlagNormal);
  struct Case {
    const char* relative;
    std::string box;
  };
  const Case cases[] = {
      {"missing.txt", "ファイルが見つかりません."},
      {"nowhere/missing.txt", "不正なファイル名です."},
      {"folder.txt", "ファイルへのアクセスが拒否されました."},
      {"held.txt", "I/O エラー (32)"},
  };
  for (const Case& c : cases) {
    Reopen();
    Open({"first.txt", c.relative, "last.txt"});
    EXPECT_EQ(Rows(), Strings{"1|a|x"}) << c.relative;
    EXPECT_EQ(BoxTexts(), c.box) << c.relative;
  }
}

TEST_F(ListFileTest, OpenSortsOnceAfterTheLastFile) {
  tree.AddFile("a.txt", "\"3\",\"a\",\"x\"\r\n\"1\",\"b\",\"y\"\r\n");
  tree.AddFile("b.txt", "\"2\",\"c\",\"z\"\r\n");
  ui::ListView& list = form->ListView1;
  std::set<int> sortedCounts;  // how many rows the list held at each comparison
  list.OnCompare = [&, compare = list.OnCompare](const ui::ListItem& a, const ui::ListItem& b) {
    sortedCounts.insert(list.Count());
    return compare(a, b);
  };
  Open({"a.txt", "b.txt"});
  EXPECT_EQ(Captions(), (Strings{"1", "2", "3"}));
  EXPECT_EQ(sortedCounts, std::set<int>{3});
}

TEST(ListFileErrors, AnIOErrorSaysWhatItsCodeMeans) {
  const std::pair<uint32_t, const char*> cases[] = {
      {2, "ファイルが見つかりません"},
      {3, "不正なファイル名です"},
      {4, "オープンしたファイルが多すぎます"},
      {5, "ファイルへのアクセスが拒否されました"},
      {100, "ファイルの末尾以降を読み込みました"},
      {101, "ディスクがいっぱいです"},
      {106, "入力値が数値ではありません"},
      {32, "I/O エラー (32)"},
  };
  for (const auto& [code, text] : cases) EXPECT_STREQ(EInOutError(code).what(), text) << code;
}

// A file that starts with the UTF-8 mark is UTF-8 whatever the code page; a line that is no
// UTF-8 stops the load with the reader's error before its row is made. Any other file is in
// the code page (932 here: a second byte 0x5C is no delimiter).
TEST_F(ListFileTest, TheMarkSaysUtf8AndAnyOtherFileIsInTheCodePage) {
  tree.AddFile("utf8.txt",
               "\xEF\xBB\xBF\"1\",\"C:\\メモ〜.txt\",\"txt\"\r\n"
               "\"2\",\"C:\\a\xFF\\b.txt\",\"txt\"\r\n"
               "\"3\",\"C:\\c.txt\",\"txt\"\r\n");
  Open({"utf8.txt"});
  EXPECT_EQ(Rows(), (Strings{"1|C:\\メモ〜.txt|txt"}));
  EXPECT_EQ(BoxTexts(), "I/O エラー (1113)");
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  Reopen();
  tree.AddFile("ansi.txt", "\"1\",\"C:\\\x95\\\\\x83\\.txt\",\"\x83t\x83H\x83\x8B\x83_\"\r\n");
  Open({"ansi.txt"});
  EXPECT_EQ(Rows(), (Strings{"1|C:\\表\\ソ.txt|フォルダ"}));
  EXPECT_EQ(BoxTexts(), "");
}

}  // namespace
