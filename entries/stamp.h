// Stamping one entry row: its date becomes its path's creation, last-access and last-write
// time.
#pragma once

#include <cstdint>

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

// Parses the row's date text (EConvertError "'<text>' は日付または時刻ではありません" for one
// that is no date), converts it from local time to a UTC file time and sets the three times
// of the row's path, opened for writing while others may read it: with backup semantics when
// the kind is "フォルダ", so that a folder opens. A row without its path or kind raises the
// list error with the missing index.
StampResult StampRow(const ui::ListItem& row);
