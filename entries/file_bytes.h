// The bytes of an open file, read a piece at a time: the readers of file contents ask for a
// few bytes at a time, mostly near each other.
#pragma once

#include <vector>

#include "entries/byte_source.h"
#include "platform/files.h"

class FileBytes : public ByteSource {
 public:
  explicit FileBytes(platform::FileHandle& file) : file_(file) {}
  size_t ReadAt(uint64_t offset, uint8_t* out, size_t size) override;

 private:
  // Reads the piece that starts at `offset`; false when nothing could be read.
  bool Fill(uint64_t offset);

  platform::FileHandle& file_;
  std::vector<uint8_t> piece_;
  uint64_t pieceStart_ = 0;
  bool filled_ = false;
};
