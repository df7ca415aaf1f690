// Stamping one entry row: its date becomes its path's creation, last-access and last-write
// time. The work has two halves, so that the rows can be read on one thread and their paths
// stamped on others (StampRun): the job made from the row, and the stamping of its path.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "ui/list_item.h"

struct StampResult {
  enum class Outcome {
    Stamped,
    NoFileTime,  // the date lies where no file time can (before 1601): the path stays shut
    NotOpened,   // the path could not be opened for writing
    NotSet,      // the system refused the times, or kept others
  };
  Outcome outcome = Outcome::Stamped;
  uint32_t error = 0;  // the system's error code of a failed open or set
  bool Failed() const { return outcome != Outcome::Stamped; }
};

// What stamping a row's path needs, read from the row.
struct StampJob {
  std::string path;
  bool folder = false;      // the row's kind is "フォルダ": opened with backup semantics
  platform::FileTime time;  // UTC, for all three times
};

// A row whose date text is still the one it was listed with gets its exact listed time;
// any other has its date text parsed (EConvertError "'<text>' は日付または時刻ではありません"
// for one that is no date) and converted from local time to a UTC file time. False when no file
// time can hold that date. A row without its path or kind raises the list error with the
// missing index.
bool MakeStampJob(const ui::ListItem& row, StampJob& job);

// Sets the three times of the job's path, opened for writing while others may read it: with
// backup semantics for a folder row, so that a folder opens.
StampResult StampPath(const StampJob& job);
