#include "entries/file_bytes.h"

#include <algorithm>
#include <cstring>

namespace {

// The date tags of a photo and the boxes of a video's header mostly lie in one piece; a small
// piece keeps a video from copying much of its media before the reader seeks past it.
constexpr uint32_t kPieceSize = 16 * 1024;

}  // namespace

bool FileBytes::Fill(uint64_t offset) {
  // Past the end that a short read found there is nothing to read.
  if (offset >= end_) return false;
  // The first piece is read from where the file opened, without a seek.
  const bool placed = (!piece_ && offset == 0) || file_.Seek(offset);
  if (!piece_) piece_.reset(new uint8_t[kPieceSize]);
  uint32_t read = 0;
  if (!placed || !file_.Read(piece_.get(), kPieceSize, read)) read = 0;
  pieceSize_ = read;
  pieceStart_ = offset;
  if (placed && read < kPieceSize) end_ = offset + read;
  return read > 0;
}

size_t FileBytes::ReadAt(uint64_t offset, uint8_t* out, size_t size) {
  size_t copied = 0;
  while (copied < size) {
    const uint64_t at = offset + copied;
    if ((at < pieceStart_ || at >= pieceStart_ + pieceSize_) && !Fill(at)) break;
    const size_t from = static_cast<size_t>(at - pieceStart_);
    const size_t count = std::min(size - copied, pieceSize_ - from);
    std::memcpy(out + copied, piece_.get() + from, count);
    copied += count;
  }
  return copied;
}
