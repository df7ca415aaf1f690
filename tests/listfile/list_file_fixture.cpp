#include "listfile/list_file_fixture.h"

#include <algorithm>

#include "platform/files.h"

namespace testsupport {

void ListFileTest::SetUp() {
  FormTest::SetUp();
  form->Show(1);
}

void ListFileTest::Reopen() {
  Restart("");
  form->Show(1);
}

void ListFileTest::Save(const std::string& relative) {
  ui::testing::AnswerFileDialogs({relative.empty()
                                      ? std::vector<std::string>{}
                                      : std::vector<std::string>{tree.Path(relative)}});
  ui::testing::PressKey(*form, ui::Ctrl('S'));
}

void ListFileTest::Open(const std::vector<std::string>& relatives) {
  std::vector<std::string> paths;
  for (const std::string& relative : relatives) paths.push_back(tree.Path(relative));
  ui::testing::AnswerFileDialogs({paths});
  ui::testing::PressKey(*form, ui::Ctrl('O'));
}

std::string ListFileTest::BoxTexts() {
  std::string texts;
  for (const auto& box : Boxes()) texts += (texts.empty() ? "" : " / ") + box.text;
  return texts;
}

std::string ListFileTest::Listing(const std::string& folder) {
  std::vector<std::string> names;
  platform::DirectorySearch search(tree.Path(folder) + platform::kPathDelimiter + "*");
  platform::FoundEntry entry;
  while (search.Started() && search.Next(entry)) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const std::string& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

}  // namespace testsupport
