#include "cli/apply_command.h"

#include <vector>

#include "app/errors.h"
#include "cli/list_rows.h"
#include "cli/messages.h"
#include "cli/progress_line.h"
#include "entries/date_parse.h"
#include "entries/file_dates.h"
#include "entries/stamp_run.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"

namespace {

// The rows of every list; false when any line cannot be applied, each reported.
bool ReadRows(const std::vector<std::string>& lists, const WorkProgress& watcher, Console& console,
              Rows& rows) {
  bool good = true;
  for (const std::string& list : lists) {
    good &= ReadListRows(
        list, watcher, [](ui::ListItem& row) { ParseDateText(row.caption); }, console, rows);
  }
  return good;
}

// The present times of the rows' paths, to the second, as a list file that undoes the run.
// A path whose time cannot be read is left out: its stamp fails and is reported.
void WriteBackup(const std::string& file, const Rows& rows) {
  Rows saved;
  saved.reserve(rows.size());
  for (const ui::ListItem& row : rows) {
    const std::string& path = row.subItems[0];
    const std::string& kind = row.subItems[1];
    std::string text;
    if (SecondsDateText(path, kind == kFolderKind, text)) saved.push_back({text, {path, kind}});
  }
  WriteWholeFile(file, ListFileText(saved));
}

}  // namespace

int RunApply(const Arguments& arguments, Console& console) {
  ProgressLine progress(console);
  const WorkProgress watcher = progress.Watcher();
  Rows rows;
  if (!ReadRows(arguments.inputs, watcher, console, rows)) return 2;
  if (arguments.dryRun) {
    console.EndProgress();
    if (!console.WriteOut(std::to_string(rows.size()) + " rows would be applied\n"))
      throw EWriteError();
    return 0;
  }
  if (!arguments.backup.empty()) WriteBackup(arguments.backup, rows);
  StampRun run(rows.size(), watcher);
  for (size_t i = 0; i < rows.size(); ++i) run.Add(i, rows[i]);
  const std::vector<StampResult>& results = run.Finish();
  uint64_t failed = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!results[i].Failed()) continue;
    console.Report(ProgramMessage(PathMessage(rows[i].subItems[0], StampFailureText(results[i]))));
    ++failed;
  }
  if (failed == 0) return 0;
  console.Report(ProgramMessage(std::to_string(failed) + " of " + std::to_string(rows.size()) +
                                " rows failed"));
  return 1;
}
