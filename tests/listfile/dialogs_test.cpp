// The list-file dialogs: what they show, and the name each one remembers.
#include <gtest/gtest.h>

#include "listfile/list_file_fixture.h"

namespace {

using Strings = std::vector<std::string>;
using testsupport::ListFileTest;

Strings Shown() {
  Strings shown;
  for (const auto& d : ui::testing::TakeFileDialogs()) {
    shown.push_back(std::string(d.save ? "save" : "open") + "|" + d.fileName + "|" + d.fileType +
                    (d.readOnlyBox ? "|read-only box" : "") + (d.resizable ? "|resizable" : ""));
  }
  return shown;
}

TEST_F(ListFileTest, EachDialogOpensWithItsSettingsAndItsLastChoice) {
  form->Save1Click();  // no rows: nothing to save, no dialog
  EXPECT_EQ(Shown(), Strings{});
  AddRows({{"2001/01/01", "C:\\a", "txt"}});
  tree.AddFile("a.txt", "\"1\",\"a\",\"x\"\r\n");
  tree.AddFile("b.txt", "\"2\",\"b\",\"y\"\r\n");
  Save("list");  // the default extension is added
  Save("");
  Open({"a.txt", "b.txt"});
  Open({});
  Save("");
  EXPECT_EQ(Shown(), (Strings{"save||テキスト|resizable", "save|list.txt|テキスト|resizable",
                              "open||テキスト|resizable", "open|a.txt|テキスト|resizable",
                              "save|list.txt|テキスト|resizable"}));
  EXPECT_EQ(Listing(), "a.txt b.txt list.txt");
  EXPECT_EQ(Rows(), (Strings{"1|a|x", "2|b|y", "2001/01/01|C:\\a|txt"}));
}

}  // namespace
