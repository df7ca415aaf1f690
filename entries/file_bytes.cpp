#include "entries/file_bytes.h"

#include <algorithm>
#include <cstring>

namespace {

// A small photo comes whole in one read; the tags of a big one mostly lie in its first piece.
constexpr uint32_t kPieceSize = 64 * 1024;

}  // namespace

bool FileBytes::Fill(uint64_t offset) {
  // The first piece is read from where the file opened, without a seek.
  const bool placed = (!filled_ && offset == 0) || file_.Seek(offset);
  piece_.resize(kPieceSize);
  uint32_t read = 0;
  if (!placed || !file_.Read(piece_.data(), kPieceSize, read)) read = 0;
  piece_.resize(read);
  pieceStart_ = offset;
  filled_ = true;
  return read > 0;
}

size_t FileBytes::ReadAt(uint64_t offset, uint8_t* out, size_t size) {
  size_t copied = 0;
  while (copied < size) {
    const uint64_t at = offset + copied;
    if ((at < pieceStart_ || at >= pieceStart_ + piece_.size()) && !Fill(at)) break;
    const size_t from = static_cast<size_t>(at - pieceStart_);
    const size_t count = std::min(size - copied, piece_.size() - from);
    std::memcpy(out + copied, piece_.data() + from, count);
    copied += count;
  }
  return copied;
}
