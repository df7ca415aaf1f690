#include "cli/shift_command.h"

#include <exception>

#include "cli/date_offset.h"
#include "cli/list_rows.h"
#include "cli/messages.h"
#include "cli/progress_line.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"

int RunShift(const Arguments& arguments, Console& console) {
  std::vector<Rows> lists(arguments.inputs.size());
  {
    ProgressLine progress(console);
    const WorkProgress watcher = progress.Watcher();
    const RowCheck shift = [&](ui::ListItem& row) {
      row.caption = ShiftedDateText(row.caption, arguments.shiftSeconds);
    };
    bool good = true;
    for (size_t i = 0; i < lists.size(); ++i) {
      good &= ReadListRows(arguments.inputs[i], watcher, shift, console, lists[i]);
    }
    if (!good) return 2;
  }
  if (arguments.output.empty()) {
    std::vector<std::pair<std::string, std::string>> files;
    for (size_t i = 0; i < lists.size(); ++i)
      files.emplace_back(arguments.inputs[i], ListFileText(lists[i]));
    size_t replaced = 0;
    try {
      WriteWholeFiles(files, replaced);
    } catch (const std::exception& error) {
      if (replaced == 0) throw;  // nothing was done
      console.Report(ProgramMessage(error.what()));
      console.Report(ProgramMessage(ReplacedListsText(
          {arguments.inputs.begin(), arguments.inputs.begin() + static_cast<long>(replaced)})));
      return 1;
    }
    return 0;
  }
  Rows all;
  for (Rows& rows : lists) all.insert(all.end(), rows.begin(), rows.end());
  WriteWholeFile(arguments.output, ListFileText(all));
  return 0;
}
