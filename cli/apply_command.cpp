#include "cli/apply_command.h"

#include <stdexcept>
#include <vector>

#include "cli/list_rows.h"
#include "cli/messages.h"
#include "cli/progress_line.h"
#include "core/errors.h"
#include "entries/date_parse.h"
#include "entries/file_dates.h"
#include "entries/stamp_run.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"
#include "platform/files.h"

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
// A path whose time cannot be read is left out: its stamp fails and is reported. A time that
// no date text can hold is reported, and so is the first text that would not read back in
// the user's format; then nothing is written or applied: false.
bool WriteBackup(const std::string& file, const Rows& rows, Console& console) {
  Rows saved;
  saved.reserve(rows.size());
  bool good = true;
  for (const ui::ListItem& row : rows) {
    const std::string& path = row.subItems[0];
    const std::string& kind = row.subItems[1];
    std::string text;
    switch (SecondsDateText(path, kind == kFolderKind, text)) {
      case SecondsText::Written:
        saved.push_back({text, {path, kind}});
        break;
      case SecondsText::Unwritable:
        console.Report(ProgramMessage(PathMessage(path, UnkeptTimeText())));
        good = false;
        break;
      case SecondsText::Unreadable:
        console.Report(ProgramMessage(PathMessage(path, UnreadableBackupText(text))));
        return false;
      case SecondsText::Unread:
        break;
    }
  }
  if (good) WriteWholeFile(file, ListFileText(saved));
  return good;
}

// A backup is the only way back from a run: it never replaces a list being applied, nor,
// unless asked (--force-backup), any file that exists. Raises before anything is applied.
void CheckBackupFile(const Arguments& arguments) {
  const std::string& backup = arguments.backup;
  platform::FolderId backupId;
  if (backup.empty() || !platform::ReadFolderId(backup, backupId)) return;  // a new file
  for (const std::string& list : arguments.inputs) {
    platform::FolderId listId;
    if (list == backup || (platform::ReadFolderId(list, listId) && listId == backupId))
      throw std::runtime_error(BackupIsListText(backup));
  }
  if (!arguments.forceBackup) throw std::runtime_error(BackupExistsText(backup));
}

}  // namespace

int RunApply(const Arguments& arguments, Console& console) {
  ProgressLine progress(console);
  const WorkProgress watcher = progress.Watcher();
  CheckBackupFile(arguments);
  Rows rows;
  if (!ReadRows(arguments.inputs, watcher, console, rows)) return 2;
  if (arguments.dryRun) {
    console.EndProgress();
    if (!console.WriteOut(std::to_string(rows.size()) + " rows would be applied\n"))
      throw EWriteError();
    return 0;
  }
  if (!arguments.backup.empty() && !WriteBackup(arguments.backup, rows, console)) return 2;
  StampRun run(rows.size(), watcher, arguments.times);
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
