#include "cli/list_command.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "app/errors.h"
#include "cli/messages.h"
#include "cli/progress_line.h"
#include "entries/entry_row.h"
#include "entries/walk.h"
#include "listedit/compare_caseless.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"

namespace {

using Rows = std::vector<ui::ListItem>;
using Report = std::function<void(const std::string& path, const std::string& why)>;

// The rows of every path, in walk order; what cannot be listed or dated is reported.
Rows BuildRows(const std::vector<std::string>& paths, const WorkProgress& watcher,
               const Report& report) {
  CollectedPaths collected;
  for (const std::string& path : paths) {
    WalkPath(path, collected, watcher, [&](const std::string& folder, uint32_t error) {
      report(folder, UnreadableFolderText(error));
    });
  }
  Rows rows;
  rows.reserve(collected.size());
  for (CollectedPath& entry : collected) {
    watcher(WorkStep::List, rows.size(), collected.size());
    try {
      rows.push_back(EntryRowOf(std::move(entry)));
    } catch (const EConvertError& error) {
      report(entry.path, error.what());
    }
  }
  return rows;
}

// The positions of the rows in the window's order: by date text, ties as they came.
std::vector<size_t> DateOrder(const Rows& rows) {
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return CompareCaseless(rows[a].caption, rows[b].caption) < 0;
  });
  return order;
}

// Standard output takes the list a piece at a time: a list of many rows is many megabytes.
void WriteOut(const Rows& rows, const std::vector<size_t>& order, Console& console) {
  constexpr size_t kPiece = 1 << 20;
  std::string piece;
  piece.reserve(kPiece + 4096);
  for (size_t at : order) {
    AppendListFileLine(piece, rows[at]);
    if (piece.size() < kPiece) continue;
    if (!console.WriteOut(piece)) throw EWriteError();
    piece.clear();
  }
  if (!piece.empty() && !console.WriteOut(piece)) throw EWriteError();
}

}  // namespace

int RunList(const Arguments& arguments, Console& console) {
  bool incomplete = false;
  Rows rows;
  {
    ProgressLine progress(console);
    rows = BuildRows(arguments.inputs, progress.Watcher(),
                     [&](const std::string& path, const std::string& why) {
                       console.Report(ProgramMessage(PathMessage(path, why)));
                       incomplete = true;
                     });
  }
  const std::vector<size_t> order = DateOrder(rows);
  if (arguments.output.empty()) {
    WriteOut(rows, order, console);
  } else {
    WriteWholeFile(arguments.output,
                   ListFileText(
                       order.size(), [&](size_t i) -> const auto& { return rows[order[i]]; }));
  }
  return incomplete ? 1 : 0;
}
