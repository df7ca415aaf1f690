// Times the program's batch work on big folder trees through the real main window:
//   horodex_bench ROOT...
// (horodex_bench [--big] [--stamp-threads N] ROOT...; --big leaves out all but the drop,
// Update and Esc; --stamp-threads sets the threads that Update stamps on;
// horodex_bench --stamp-loop N ROOT...: the fewest calls that stamp every file, on N threads;
// horodex_bench --walk-loop N ROOT...: the fewest calls that walk the tree, on N threads;
// horodex_bench --photos ROOT...: the Tools menu's date commands on a tree of photos.)
// For each root: the walk, the row building (with its sort and paint), the same again as a
// drop with its progress (the longest time without a paint), one sort by each column, Save
// of every row to ROOT.txt and Open of it again into the emptied list (the file dialogs
// answered by script), Select all, Replace, Update (stamping every listed path), a drop
// Update undone, a drop stopped by Esc after a second, Delete of every row, and the peak
// memory. After the drop: 表示する日時 switched to the access times and back (every row read
// again), and Update with 変更した行だけ after three rows were edited.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/error_box.h"
#include "app/form1.h"
#include "bench/stamp_loop.h"
#include "bench/walk_loop.h"
#include "entries/date_settings.h"
#include "entries/file_dates.h"
#include "entries/stamp_run.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"
#include "platform/files.h"
#include "platform/process.h"
#include "tests/support/form_access.h"
#include "ui/application.h"
#include "ui/bulk_update.h"
#include "ui/testing.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double PeakMegabytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024 * 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
#endif
}

// The moments at which long work let the window paint, from the start of a step to its end.
class PaintGaps {
 public:
  PaintGaps() {
    moments_.push_back(Clock::now());
    ui::testing::SetKeepAliveHook([this] {
      moments_.push_back(Clock::now());
      if (onPaint) onPaint();
    });
  }
  ~PaintGaps() { ui::testing::SetKeepAliveHook(nullptr); }
  double LongestSeconds() {
    std::vector<Clock::time_point> all = moments_;
    all.push_back(Clock::now());
    double longest = 0;
    for (size_t i = 1; i < all.size(); ++i) {
      longest = std::max(longest, std::chrono::duration<double>(all[i] - all[i - 1]).count());
    }
    return longest;
  }
  size_t Paints() const { return moments_.size() - 1; }
  std::function<void()> onPaint;

 private:
  std::vector<Clock::time_point> moments_;
};

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times one step and prints it with the count that `rows` gives afterwards.
void Step(const char* step, const std::function<void()>& work, const std::function<int()>& rows) {
  const double seconds = Seconds(work);
  std::printf("  %-40s %8.3f s  (%d rows, peak %.1f MB)\n", step, seconds, rows(), PeakMegabytes());
  std::fflush(stdout);
}

// The main window, shown empty, with its boxes recorded, for the benchmarks of one root.
struct BenchWindow {
  explicit BenchWindow(const std::string& root) {
    application.SetMainForm(&form);
    form.Show(1);
    application.ProcessMessages();
    std::printf("%s\n", root.c_str());
    ui::testing::RecordBoxes(true);
  }
  ~BenchWindow() { application.SetMainForm(nullptr); }
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  ui::Application& application = ui::Application::Instance();
  TForm1 form;
};

void Run(const std::string& root, bool big) {
  BenchWindow window(root);
  ui::Application& application = window.application;
  TForm1& form = window.form;
  ui::ListView& list = form.ListView1;

  auto count = [&] { return list.Count(); };
  auto clearAll = [&] {
    form.SelectAll1Click();
    form.Delete1Click();
    application.ProcessMessages();
  };
  if (!big) {
    CollectedPaths paths;
    Step(
        "walk (CollectPath)", [&] { TForm1Access::CollectPath(form, root, paths); },
        [&] { return static_cast<int>(paths.size()); });
    Step(
        "rows built, sorted, painted",
        [&] {
          TForm1Access::AddCollectedRows(form, paths);
          application.ProcessMessages();
        },
        count);
    clearAll();
  }
  {
    PaintGaps gaps;
    Step(
        "drop: walk, rows, sort, paint",
        [&] {
          ui::testing::DropFiles(form, {root});
          application.ProcessMessages();
        },
        count);
    std::printf("  %-40s %8.3f s  (%zu paints)\n", "  longest time without a paint",
                gaps.LongestSeconds(), gaps.Paints());
    std::printf("  %-40s %8.1f MB\n", "  peak memory so far", PeakMegabytes());
  }
  {
    // 表示する日時: every row reads its time again, against the drop above.
    Step(
        "show access times (rows read again)",
        [&] {
          form.ShowAccessTime1Click();
          application.ProcessMessages();
        },
        count);
    Step(
        "show last-write times again",
        [&] {
          form.ShowWriteTime1Click();
          application.ProcessMessages();
        },
        count);
    // Three rows edited (each moves to the top), then Update with 変更した行だけ.
    for (int i = 1; i <= 3 && list.Count() > 3; ++i) {
      // 2001-01-0i in the user's date format.
      const std::string text =
          LocalTimeDateText({126227808000000000ull + static_cast<uint64_t>(i) * 864000000000ull});
      form.ListView1Edited(list.Count() - 1, &text);
    }
    form.UpdateChanged1Click();
    Step(
        "Update, changed rows only (3 marked)",
        [&] {
          form.Rewrite1Click();
          application.ProcessMessages();
        },
        count);
    form.UpdateChanged1Click();
    for (const auto& box : ui::testing::TakeBoxes())
      std::printf("  result: %s\n", box.text.c_str());
  }
  if (!big) {
    for (int column : {1, 2, 0}) {
      const std::string step = "sort by column " + std::to_string(column);
      Step(
          step.c_str(),
          [&] {
            form.ListView1ColumnClick(list, column);
            application.ProcessMessages();
          },
          count);
    }
    {
      // Sorting by path from the kind order, five times: one sort is too short to time alone.
      double best = 1e9;
      for (int round = 0; round < 5; ++round) {
        form.ListView1ColumnClick(list, 2);
        application.ProcessMessages();
        best = std::min(best, Seconds([&] {
                          form.ListView1ColumnClick(list, 1);
                          application.ProcessMessages();
                        }));
      }
      std::printf("  %-40s %8.3f s\n", "sort by path from kinds (best of 5)", best);
    }
    // Save and Open through their dialogs, which are the system's and are answered through
    // them; then the same work without a dialog.
    const std::string listFile = root + ".txt";
    ui::testing::AnswerFileDialogs({{}, {listFile}});
    Step(
        "file dialog (cancelled)", [&] { form.Save1Click(); }, count);
    Step(
        "Save with its dialog", [&] { form.Save1Click(); }, count);
    Step(
        "Save without a dialog",
        [&] {
          WriteWholeFile(listFile, ListFileText(list.Count(), [&](size_t i) -> const ui::ListItem& {
                           return list.Item(static_cast<int>(i));
                         }));
        },
        count);
    clearAll();
    ui::testing::AnswerFileDialogs({{listFile}});
    Step(
        "Open with its dialog, sorted, painted",
        [&] {
          form.Open1Click();
          application.ProcessMessages();
        },
        count);
    ui::testing::StopAnsweringFileDialogs();
    clearAll();
    Step(
        "Load without a dialog, sorted, painted",
        [&] {
          {
            BulkUpdate bulk(list);
            TForm1Access::LoadListFile(form, listFile);
          }
          application.ProcessMessages();
        },
        count);
    platform::RemoveFile(listFile);
    for (const auto& box : ui::testing::TakeBoxes()) std::printf("  box: %s\n", box.text.c_str());
    Step(
        "Select all",
        [&] {
          form.SelectAll1Click();
          application.ProcessMessages();
        },
        [&] { return list.SelectedCount(); });
    Step(
        "Replace",
        [&] {
          form.Replace1Click();
          application.ProcessMessages();
        },
        count);
  }
  {
    PaintGaps gaps;
    Step(
        "Update (stamp every path)", [&] { form.Rewrite1Click(); }, count);
    std::printf("  %-40s %8.3f s  (%zu paints)\n", "  longest time without a paint",
                gaps.LongestSeconds(), gaps.Paints());
  }
  std::printf("  %-40s %8.1f MB\n", "  its undo record",
              static_cast<double>(TForm1Access::UpdateRecordBytes(form)) / (1024 * 1024));
  Step(
      "Update undone", [&] { form.UndoUpdate1Click(); }, count);
  for (const auto& box : ui::testing::TakeBoxes()) std::printf("  result: %s\n", box.text.c_str());
  ui::testing::RecordBoxes(false);
  clearAll();
  {
    // Esc a second into the walk: how long until the work ends, the rows collected listed.
    PaintGaps gaps;
    const auto start = Clock::now();
    Clock::time_point pressed{}, walked{};
    gaps.onPaint = [&] {
      if (pressed == Clock::time_point{} && Clock::now() - start > std::chrono::seconds(1)) {
        pressed = Clock::now();
        ui::testing::PostKey(form, ui::Key(ui::kKeyEscape));
      }
      // The rows are being built ("一覧作成中", in code page 932 or UTF-8): the walk is over.
      const std::string& shown = form.StatusBar1.ShownText();
      const bool listing = shown.rfind("\x88\xea\x97\x97", 0) == 0 ||
                           shown.rfind("\xe4\xb8\x80\xe8\xa6\xa7", 0) == 0;
      if (pressed != Clock::time_point{} && walked == Clock::time_point{} && listing) {
        walked = Clock::now();
      }
    };
    ui::testing::DropFiles(form, {root});
    const auto ended = Clock::now();
    if (pressed != Clock::time_point{}) {
      if (walked != Clock::time_point{}) {
        std::printf("  %-40s %8.3f s\n", "Esc after 1 s: to the end of the walk",
                    std::chrono::duration<double>(walked - pressed).count());
      }
      std::printf("  %-40s %8.3f s  (%d rows)\n", "Esc after 1 s: to the end of the drop",
                  std::chrono::duration<double>(ended - pressed).count(), list.Count());
    } else {
      std::printf("  %-40s  (the drop ended within a second)\n", "Esc after 1 s");
    }
    application.ProcessMessages();
  }
  Step(
      "Delete every row",
      [&] {
        form.Delete1Click();
        application.ProcessMessages();
      },
      count);
  std::printf("  %-40s %8.1f MB\n", "peak memory", PeakMegabytes());
}

// The Tools menu's date commands on every row of a tree of photos.
void RunPhotos(const std::string& root) {
  BenchWindow window(root);
  ui::Application& application = window.application;
  TForm1& form = window.form;
  ui::ListView& list = form.ListView1;
  auto count = [&] { return list.Count(); };
  Step(
      "drop: walk, rows, sort, paint",
      [&] {
        ui::testing::DropFiles(form, {root});
        application.ProcessMessages();
      },
      count);
  auto everyRow = [&](const char* step, void (TForm1::*command)()) {
    form.SelectAll1Click();
    application.ProcessMessages();
    PaintGaps gaps;
    Step(
        step,
        [&] {
          (form.*command)();
          application.ProcessMessages();
        },
        count);
    std::printf("  %-40s %8.3f s  (%zu paints)\n", "  longest time without a paint",
                gaps.LongestSeconds(), gaps.Paints());
    for (const auto& box : ui::testing::TakeBoxes()) std::printf("  box: %s\n", box.text.c_str());
  };
  everyRow("dates taken (every row)", &TForm1::DateTaken1Click);
  everyRow("dates in names (every row)", &TForm1::NameDate1Click);
  ui::testing::AnswerInputBoxes({"+1h"});
  everyRow("dates shifted +1h (every row)", &TForm1::ShiftDates1Click);
  ui::testing::StopAnsweringInputBoxes();
  everyRow("Update (stamp every path)", &TForm1::Rewrite1Click);
  everyRow("Update undone", &TForm1::UndoUpdate1Click);
  ui::testing::RecordBoxes(false);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: horodex_bench [--big | --photos] [--stamp-threads N] ROOT...\n"
                 "       horodex_bench --stamp-loop N ROOT...\n"
                 "       horodex_bench --walk-loop N ROOT...\n");
    return 2;
  }
  ReadDateSettings();
  ui::Application& application = ui::Application::Instance();
  application.SetTitle("Horodex");
  application.OnException = ShowErrorBox;
  // The roots are this program's arguments, not the window's: it starts empty.
  platform::testing::SetCommandLineOverride("horodex_bench");
  // --big: only the drop, Update and Esc, for trees too big to time everything on.
  bool big = false, photos = false;
  unsigned loopThreads = 0, walkThreads = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--big" || std::string(argv[i]) == "--photos") {
      (argv[i][2] == 'b' ? big : photos) = true;
      continue;
    }
    // --stamp-threads N: Update stamps on N threads, to compare with the default.
    if (std::string(argv[i]) == "--stamp-threads" && i + 1 < argc) {
      SetStampThreadsForTests(static_cast<unsigned>(std::stoul(argv[++i])));
      continue;
    }
    if (std::string(argv[i]) == "--stamp-loop" && i + 1 < argc) {
      loopThreads = static_cast<unsigned>(std::stoul(argv[++i]));
      continue;
    }
    if (std::string(argv[i]) == "--walk-loop" && i + 1 < argc) {
      walkThreads = static_cast<unsigned>(std::stoul(argv[++i]));
      continue;
    }
    if (loopThreads != 0 || walkThreads != 0) {
      if (loopThreads != 0) RunStampLoop(argv[i], loopThreads);
      if (walkThreads != 0) RunWalkLoop(argv[i], walkThreads);
      continue;
    }
    photos ? RunPhotos(argv[i]) : Run(argv[i], big);
  }
  return 0;
}
