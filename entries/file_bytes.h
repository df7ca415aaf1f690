// The bytes of an open file, read a piece at a time: the readers of file contents ask for a
// few bytes at a time, mostly near each other.
#pragma once

#include <memory>

#include "entries/byte_source.h"
#include "platform/files.h"

class FileBytes : public ByteSource {
 public:
  explicit FileBytes(platform::FileHandle& file) : file_(file) {}
  size_t ReadAt(uint64_t offset, uint8_t* out, size_t size) override;
  bool Size(uint64_t& size) override { return file_.Size(size); }

 private:
  // Reads the piece that starts at `offset`; false when nothing could be read.
  bool Fill(uint64_t offset);

  platform::FileHandle& file_;
  std::unique_ptr<uint8_t[]> piece_;  // allocated at the first read, never cleared
  size_t pieceSize_ = 0;              // the bytes of the piece that were read
  uint64_t pieceStart_ = 0;
  uint64_t end_ = UINT64_MAX;  // the end of the file, once a read has come short of a piece
};
