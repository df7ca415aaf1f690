// What one Update changed: each path that it stamped, with the times the path had just
// before, so that the Update can be undone. Packed: one block for the paths and 32 bytes for
// the rest of each entry, so that a record of 100,000 rows stays a few megabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "entries/stamp.h"

class UpdateRecord {
 public:
  struct Entry {
    std::string path;
    bool folder;
    PathTimes before;
  };

  // Starts a record of an Update that sets `times`, of up to `rows` paths.
  void Begin(StampTimes times, size_t rows);
  void Add(const std::string& path, bool folder, const PathTimes& before);
  // The Update is over: memory kept for rows it did not stamp goes back.
  void Finish();
  void Clear();  // and its memory with it

  bool Empty() const { return entries_.empty(); }
  size_t Size() const { return entries_.size(); }
  StampTimes Times() const { return times_; }
  Entry At(size_t index) const;
  size_t Bytes() const;  // the memory it holds

 private:
  struct Packed {
    uint64_t creation, lastAccess, lastWrite;
    uint32_t pathEnd;  // the path ends here in paths_; it begins where the one before ends
    bool folder;
  };
  StampTimes times_;
  std::string paths_;
  std::vector<Packed> entries_;
};
