// The collected path list: paths in walk order, each with its attribute word.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entries/path_times.h"

struct CollectedPath {
  std::string path;
  uint32_t attributes = 0;  // only the directory bit is looked at; -1 has it set
  // The times that the directory search reported, for a file found beneath a folder; paths
  // named by the user and folders are read again when their row is built.
  bool hasSearchTimes = false;
  PathTimes searchTimes;
};

using CollectedPaths = std::vector<CollectedPath>;
