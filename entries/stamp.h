// Stamping one entry row: its date becomes its path's creation, last-access and last-write
// time, or those of them that are asked for.
#pragma once

#include <cstdint>

#include "platform/files.h"
#include "ui/list_item.h"

struct StampResult {
  enum class Outcome {
    Stamped,
    NoFileTime,  // the date lies where no file time can (before 1601): the path stays shut
    NotOpened,   // the path could not be opened for writing
    NotRead,     // its times could not be read before: it was left as it was
    NotSet,      // the system refused the times, or kept others
  };
  Outcome outcome = Outcome::Stamped;
  uint32_t error = 0;  // the system's error code of a failed open, read or set
  bool Failed() const { return outcome != Outcome::Stamped; }
};

// Which of its path's times a stamp sets; at least one.
struct StampTimes {
  bool creation = true;
  bool lastAccess = true;
  bool lastWrite = true;
  friend bool operator==(const StampTimes&, const StampTimes&) = default;
};

// A path's three times (UTC, to the tick).
struct PathTimes {
  platform::FileTime creation, lastAccess, lastWrite;
};

// Parses the row's date text (EConvertError "'<text>' は日付または時刻ではありません" for one
// that is no date), converts it from local time to a UTC file time and sets the chosen times
// of the row's path, opened for writing while others may read it: with backup semantics when
// the kind is "フォルダ", so that a folder opens. With `before`, the path's three times are
// read through the same handle just before they are set, so that they can be put back. A
// row without its path or kind raises the list error with the missing index.
StampResult StampRow(const ui::ListItem& row, StampTimes times = {}, PathTimes* before = nullptr);

// Sets the chosen times of a path (a folder when `folder`) to those of `times`, opened as
// StampRow opens it: what undoes a stamp.
StampResult RestoreTimes(const std::string& path, bool folder, StampTimes which,
                         const PathTimes& times);
