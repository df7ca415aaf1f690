// A path's three times, and which of them the rows show.
#pragma once

#include "platform/files.h"

// A path's three times (UTC, to the tick).
struct PathTimes {
  platform::FileTime creation, lastAccess, lastWrite;
};

// The time a row's date text is made from, chosen under 表示 > 表示する日時.
enum class RowTime { LastWrite, Creation, LastAccess };

inline platform::FileTime TimeOf(const PathTimes& times, RowTime which) {
  switch (which) {
    case RowTime::Creation:
      return times.creation;
    case RowTime::LastAccess:
      return times.lastAccess;
    case RowTime::LastWrite:
      break;
  }
  return times.lastWrite;
}
