// How far long work has come: the walk, the row building, the reading of list files and the
// stamping report each item to one watcher, which the window shows in its status line and
// horodex-cli on a progress line.
#pragma once

#include <cstdint>
#include <functional>

enum class WorkStep {
  Collect,  // the walk: may stop
  List,     // rows built from what was collected
  Load,     // lines of a list file: may stop
  Update,   // every row stamped: runs to its end
  Taken,    // selected rows given the date their photo was taken: may stop
  Named,    // selected rows given the date in their file name: may stop
  Shifted,  // selected rows' dates moved: may stop
  Undo,     // the times of an Update put back: runs to its end
  Reread,   // the rows' times read again for another 表示する日時: may stop
  Folders,  // selected folder rows given their newest file's date: may stop
};

// Hears `done` items of a step so far, of `total` when known (0 when not); true asks the
// work to stop, which the steps that can stop do at once.
using WorkProgress = std::function<bool(WorkStep step, uint64_t done, uint64_t total)>;
