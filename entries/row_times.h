// Reading again the time that rows show, for many rows at once: the window's switch of
// 表示する日時 gives every row it re-reads the time it would have had from a drop.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "entries/path_times.h"
#include "entries/work_progress.h"

struct RowPath {
  const std::string* path;
  bool folder;  // the row's kind is "フォルダ": read through a handle, as its row was built
};

// For each path, its time `which` (UTC), or nullopt where it cannot be read. The files are
// read from one search of each folder that holds them, so that many rows cost about what
// listing them did; a name that search does not give is looked for by itself. `progress`
// hears of the paths read (WorkStep::Reread) and may stop the reading: false then.
bool ReadRowTimes(const std::vector<RowPath>& paths, RowTime which,
                  std::vector<std::optional<platform::FileTime>>& times,
                  const WorkProgress& progress);
