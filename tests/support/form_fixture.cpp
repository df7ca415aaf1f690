#include "support/form_fixture.h"

#include <algorithm>

#include "listedit/sort.h"
#include "platform/process.h"
#include "ui/bulk_update.h"

namespace testsupport {

void FormTest::SetUp() {
  ui::testing::RecordBoxes(true);
  ui::testing::AnswerFileDialogs({});
  ui::testing::AnswerInputBoxes({});
  platform::testing::SetModuleFileNameOverride(programFolder.Path("horodex.exe"));
  Restart("");
}

void FormTest::TearDown() {
  ui::testing::SetKeepAliveHook(nullptr);
  ui::testing::SetKeepAliveInterval(100);
  form.reset();
  DrainMessages();
  ui::Application::Instance().SetMainForm(nullptr);
  platform::testing::SetCommandLineOverride(std::nullopt);
  platform::testing::SetModuleFileNameOverride(std::nullopt);
  const auto leftover = ui::testing::TakeBoxes();
  for (const auto& box : leftover) ADD_FAILURE() << "unexpected box: " << box.text;
  if (const size_t unused = ui::testing::StopAnsweringFileDialogs())
    ADD_FAILURE() << unused << " file dialog answers were not taken";
  if (const size_t unused = ui::testing::StopAnsweringInputBoxes())
    ADD_FAILURE() << unused << " input box answers were not taken";
  ui::testing::RecordBoxes(false);
}

// A main window that was closed told the application to end (a quit message on Windows),
// which would end the next modal loop: the next window starts with the queue drained.
void FormTest::DrainMessages() { ui::Application::Instance().ProcessMessages(); }

void FormTest::Restart(const std::string& arguments) {
  form.reset();
  DrainMessages();
  SortColumn = 0;  // as at every start of the program
  platform::testing::SetCommandLineOverride("horodex.exe " + arguments);
  form = std::make_unique<TForm1>();
  ui::Application::Instance().SetMainForm(form.get());
}

std::vector<std::string> FormTest::Rows() const {
  std::vector<std::string> rows;
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    const ui::ListItem& item = form->ListView1.Item(i);
    std::string line = item.caption;
    for (const std::string& sub : item.subItems) line += "|" + sub;
    rows.push_back(line);
  }
  return rows;
}

std::vector<std::string> FormTest::Paths() const {
  std::vector<std::string> paths;
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    const ui::ListItem& item = form->ListView1.Item(i);
    paths.push_back(item.subItems.empty() ? std::string() : item.subItems[0]);
  }
  return paths;
}

int FormTest::RowOfPath(const std::string& path) const {
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    const ui::ListItem& item = form->ListView1.Item(i);
    if (!item.subItems.empty() && item.subItems[0] == path) return i;
  }
  return -1;
}

void FormTest::AddRows(const std::vector<Row>& rows) {
  ui::ListView& list = form->ListView1;
  BulkUpdate bulk(list);
  for (const Row& row : rows) {
    const int i = list.Add();
    list.SetCaption(i, row.caption);
    list.AddSubItem(i, row.path);
    list.AddSubItem(i, row.kind);
  }
}

void FormTest::Select(const std::vector<int>& rows) {
  ui::ListView& list = form->ListView1;
  for (int i = 0; i < list.Count(); ++i) {
    list.SetSelected(i, std::find(rows.begin(), rows.end(), i) != rows.end());
  }
}

std::vector<std::string> FormTest::Captions() const {
  std::vector<std::string> captions;
  for (int i = 0; i < form->ListView1.Count(); ++i) {
    captions.push_back(form->ListView1.Item(i).caption);
  }
  return captions;
}

std::vector<ui::testing::ShownBox> FormTest::Boxes() { return ui::testing::TakeBoxes(); }

}  // namespace testsupport
