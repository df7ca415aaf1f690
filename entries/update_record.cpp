#include "entries/update_record.h"

#include <stdexcept>

void UpdateRecord::Begin(StampTimes times, size_t rows) {
  Clear();
  times_ = times;
  entries_.reserve(rows);
}

void UpdateRecord::Add(const std::string& path, bool folder, const PathTimes& before) {
  if (paths_.size() + path.size() > UINT32_MAX) throw std::length_error("update record");
  paths_ += path;
  entries_.push_back({before.creation.ticks, before.lastAccess.ticks, before.lastWrite.ticks,
                      static_cast<uint32_t>(paths_.size()), folder});
}

void UpdateRecord::Finish() {
  paths_.shrink_to_fit();
  entries_.shrink_to_fit();
}

void UpdateRecord::Clear() {
  std::string().swap(paths_);
  std::vector<Packed>().swap(entries_);
}

UpdateRecord::Entry UpdateRecord::At(size_t index) const {
  const Packed& packed = entries_.at(index);
  const uint32_t begin = index == 0 ? 0 : entries_[index - 1].pathEnd;
  return {paths_.substr(begin, packed.pathEnd - begin),
          packed.folder,
          {{packed.creation}, {packed.lastAccess}, {packed.lastWrite}}};
}

size_t UpdateRecord::Bytes() const {
  return sizeof *this + paths_.capacity() + entries_.capacity() * sizeof(Packed);
}
