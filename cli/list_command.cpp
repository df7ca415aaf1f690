#include "cli/list_command.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "cli/messages.h"
#include "cli/progress_line.h"
#include "core/errors.h"
#include "entries/entry_row.h"
#include "entries/path_kind.h"
#include "entries/sidecars.h"
#include "entries/walk.h"
#include "listedit/compare_caseless.h"
#include "listfile/list_file_text.h"
#include "listfile/write_whole_file.h"
#include "platform/code_page.h"

namespace {

using Rows = std::vector<ui::ListItem>;
using Report = std::function<void(const std::string& path, const std::string& why)>;

// The rows of the collected paths, in walk order. With a date source, a file that it gives a
// date has that date; one that it gives none keeps its last-write date, or is left out with
// --only-dated, and is counted (and named with --verbose).
class RowBuilder {
 public:
  RowBuilder(const Arguments& arguments, Console& console, const Report& report,
             SidecarFolders& sidecars)
      : arguments_(arguments), console_(console), report_(report), sidecars_(sidecars) {}

  Rows Build(CollectedPaths& collected, const WorkProgress& watcher) {
    Rows rows;
    rows.reserve(collected.size());
    for (size_t i = 0; i < collected.size(); ++i) {
      watcher(WorkStep::List, i, collected.size());
      try {
        Add(std::move(collected[i]), rows);
      } catch (const EConvertError& error) {
        report_(collected[i].path, error.what());
      }
    }
    return rows;
  }

  uint64_t Undated() const { return undated_; }

 private:
  void Add(CollectedPath&& entry, Rows& rows) {
    const DateSource source = arguments_.dateFrom;
    if (source != DateSource::LastWrite && !(entry.attributes & platform::kAttrDirectory)) {
      std::string text;
      if (SourceDateText(source, entry.path, text, sidecars_)) {
        std::string kind = PathKind(entry.path);
        rows.push_back({std::move(text), {std::move(entry.path), std::move(kind)}});
        return;
      }
      ++undated_;
      if (arguments_.verbose) {
        console_.Report(ProgramMessage(PathMessage(entry.path, UndatedText(source))));
      }
      if (arguments_.onlyDated) return;
    }
    rows.push_back(EntryRowOf(std::move(entry), arguments_.time));
  }

  const Arguments& arguments_;
  Console& console_;
  const Report& report_;
  SidecarFolders& sidecars_;
  uint64_t undated_ = 0;
};

// The positions of the rows in the window's order: by date text, ties as they came.
std::vector<size_t> DateOrder(const Rows& rows) {
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return CompareCaseless(rows[a].caption, rows[b].caption) < 0;
  });
  return order;
}

// Whether the ANSI code page holds every text of the rows exactly.
bool FitCodePage(const Rows& rows) {
  std::string bytes;
  for (const ui::ListItem& row : rows) {
    if (!platform::Utf8ToAnsi(row.caption, bytes)) return false;
    for (const std::string& field : row.subItems) {
      if (!platform::Utf8ToAnsi(field, bytes)) return false;
    }
  }
  return true;
}

// Standard output takes the list a piece at a time: a list of many rows is many megabytes.
// A console shows the texts as themselves; a pipe or a file takes the bytes of a list file,
// in the code page when it holds every row, else in UTF-8 after the byte-order mark.
void WriteOut(const Rows& rows, const std::vector<size_t>& order, Console& console) {
  constexpr size_t kPiece = 1 << 20;
  const bool text = console.OutIsConsole();
  const bool ansi = !text && FitCodePage(rows);
  std::string piece, bytes;
  piece.reserve(kPiece + 4096);
  if (!text && !ansi) piece.assign(kUtf8Mark);
  auto write = [&] {
    const bool written = ansi && platform::Utf8ToAnsi(piece, bytes) ? console.WriteOut(bytes)
                                                                    : console.WriteOut(piece);
    if (!written) throw EWriteError();
    piece.clear();
  };
  for (size_t at : order) {
    AppendListFileLine(piece, rows[at]);
    if (piece.size() >= kPiece) write();
  }
  if (!piece.empty()) write();
}

}  // namespace

int RunList(const Arguments& arguments, Console& console) {
  bool incomplete = false;
  const Report report = [&](const std::string& path, const std::string& why) {
    console.Report(ProgramMessage(PathMessage(path, why)));
    incomplete = true;
  };
  // The sidecars of the folders that the walk lists whole are taken from its listing.
  SidecarFolders sidecars;
  RowBuilder builder(arguments, console, report, sidecars);
  Rows rows;
  {
    ProgressLine progress(console);
    const WorkProgress watcher = progress.Watcher();
    CollectedPaths collected;
    WalkReports reports;
    reports.unreadable = [&](const std::string& folder, uint32_t error) {
      report(folder, UnreadableFolderText(error));
    };
    reports.cutShort = [&](const std::string& folder, uint32_t error) {
      report(folder, CutShortFolderText(error));
    };
    if (arguments.dateFrom == DateSource::Exif) {
      reports.listed = [&](const std::string& prefix, const std::vector<std::string>& files) {
        sidecars.Listed(prefix, files);
      };
    }
    for (const std::string& path : arguments.inputs) {
      // A list names its paths in full, so that it applies from any working folder.
      std::string full;
      if (!platform::FullPathName(path, full)) {
        report(path, NoFullPathText());
        continue;
      }
      WalkPath(full, collected, watcher, reports);
    }
    rows = builder.Build(collected, watcher);
  }
  if (builder.Undated() > 0) {
    console.Report(ProgramMessage(
        UndatedCountText(arguments.dateFrom, builder.Undated(), arguments.onlyDated)));
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
