// Walking a named path, and everything beneath it, into the collected path list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "entries/collected_paths.h"
#include "entries/work_progress.h"

// Hears of a folder whose entries could not be listed (access denied, a path too long to
// open), or not to their end, with the system's error code. The folder itself and what was
// listed of it have been collected.
using UnreadableFolder = std::function<void(const std::string& folder, uint32_t error)>;

// Hears of a folder whose entries were all listed, to their end: `prefix` is the folder's path
// with its delimiter (each entry's path is `prefix` and its name), `files` the names of the
// entries that are no folders. What reads the folder's other files later need not search it
// again.
using ListedFolder =
    std::function<void(const std::string& prefix, const std::vector<std::string>& files)>;

// What the walk tells as it goes; each may be left empty.
struct WalkReports {
  UnreadableFolder unreadable;  // the folder's search could not start
  UnreadableFolder cutShort;    // the folder's search broke off before its end
  ListedFolder listed;          // the folder's search came to its end
};

// Appends `path` with its attribute word and, when it is a folder, everything beneath it,
// depth-first: each folder just before its contents, the entries of one folder in the order
// the system lists them. `progress` hears of every path collected (WorkStep::Collect, the
// list's size) and may stop the walk there. A folder link that leads back to a folder on the
// walk's current path is listed but not entered.
void WalkPath(const std::string& path, CollectedPaths& list, const WorkProgress& progress,
              const WalkReports& reports = {});
