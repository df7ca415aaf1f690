// Times the program's batch work on big folder trees through the real main window:
//   horodex_bench ROOT...
// For each root: the walk, the row building (with its sort and paint), one sort by each
// column, Select all, Replace, Update (stamping every listed path) and Delete of every row.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/error_box.h"
#include "app/form1.h"
#include "entries/date_settings.h"
#include "tests/support/form_access.h"
#include "ui/application.h"
#include "ui/testing.h"

namespace {

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* step, double seconds, int rows) {
  std::printf("  %-34s %8.3f s  (%d rows)\n", step, seconds, rows);
  std::fflush(stdout);
}

void Run(const std::string& root) {
  ui::Application& application = ui::Application::Instance();
  TForm1 form;
  application.SetMainForm(&form);
  form.Show(1);
  application.ProcessMessages();
  ui::ListView& list = form.ListView1;
  std::printf("%s\n", root.c_str());

  CollectedPaths paths;
  Report("walk (CollectPath)", Seconds([&] { TForm1Access::CollectPath(form, root, paths); }),
         static_cast<int>(paths.size()));
  Report("rows built, sorted, painted", Seconds([&] {
           TForm1Access::AddCollectedRows(form, paths);
           application.ProcessMessages();
         }),
         list.Count());
  for (int column : {1, 2, 0}) {
    const std::string step = "sort by column " + std::to_string(column);
    Report(step.c_str(), Seconds([&] {
             form.ListView1ColumnClick(list, column);
             application.ProcessMessages();
           }),
           list.Count());
  }
  Report("Select all", Seconds([&] {
           form.SelectAll1Click();
           application.ProcessMessages();
         }),
         list.SelectedCount());
  Report("Replace", Seconds([&] {
           form.Replace1Click();
           application.ProcessMessages();
         }),
         list.Count());
  ui::testing::RecordBoxes(true);
  Report("Update (stamp every path)", Seconds([&] { form.Rewrite1Click(); }), list.Count());
  for (const auto& box : ui::testing::TakeBoxes()) std::printf("  result: %s\n", box.text.c_str());
  ui::testing::RecordBoxes(false);
  list.SelectAll();
  Report("Delete every row", Seconds([&] {
           form.Delete1Click();
           application.ProcessMessages();
         }),
         list.Count());
  application.SetMainForm(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: horodex_bench ROOT...\n");
    return 2;
  }
  ReadDateSettings();
  ui::Application& application = ui::Application::Instance();
  application.SetTitle("Horodex");
  application.OnException = ShowErrorBox;
  for (int i = 1; i < argc; ++i) Run(argv[i]);
  return 0;
}
