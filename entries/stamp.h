// Stamping one entry row: its date becomes its path's creation, last-access and last-write
// time, or those of them that are asked for. The work has two halves, so that the rows can be
// read on one thread and their paths stamped on others (StampRun): the job made from the row,
// and the stamping of its path.
#pragma once

#include <cstdint>
#include <string>

#include "entries/path_times.h"
#include "platform/files.h"
#include "ui/list_item.h"

// Which of its path's times a stamp sets; at least one.
struct StampTimes {
  bool creation = true;
  bool lastAccess = true;
  bool lastWrite = true;
  friend bool operator==(const StampTimes&, const StampTimes&) = default;
};

struct StampResult {
  enum class Outcome {
    Stamped,
    NoFileTime,  // the date lies where no file time can (before 1601): the path stays shut
    NotOpened,   // the path could not be opened for writing
    NotRead,     // its times could not be read before: it was left as it was
    NotSet,      // the system refused the times, or kept others
  };
  StampResult() = default;
  StampResult(Outcome outcome, uint32_t error) : outcome(outcome), error(error) {}
  Outcome outcome = Outcome::Stamped;
  uint32_t error = 0;  // the system's error code of a failed open, read or set
  PathTimes before;    // the path's times just before it was stamped, when they were asked for
  bool Failed() const { return outcome != Outcome::Stamped; }
};

// What stamping a path needs: read from a row, or from the record of an Update to undo it.
struct StampJob {
  std::string path;
  bool folder = false;      // the row's kind is "フォルダ": opened with backup semantics
  PathTimes to;             // UTC; a row's date gives all three
  StampTimes times;         // which of them the path gets
  bool readBefore = false;  // read the path's times first (StampResult::before)
};

// A row whose date text is still the one it was listed with gets its exact listed time (the
// time it shows, whichever of the three that is);
// any other has its date text parsed (EConvertError "'<text>' は日付または時刻ではありません"
// for one that is no date) and converted from local time to a UTC file time. False when no file
// time can hold that date. A row without its path or kind raises the list error with the
// missing index.
bool MakeStampJob(const ui::ListItem& row, StampJob& job);

// Sets the chosen times of the job's path, opened for writing while others may read it: with
// backup semantics for a folder row, so that a folder opens. With `readBefore`, the path's
// three times are read through the same handle just before they are set, so that they can be
// put back; a path whose times cannot be read is left as it is.
StampResult StampPath(const StampJob& job);
