// Bytes at any offset of a file or of memory, for the readers of file contents.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `size` bytes from `offset` to `out`: the number copied, fewer at the end of
  // the bytes or when they cannot be read.
  virtual size_t ReadAt(uint64_t offset, uint8_t* out, size_t size) = 0;
  // The number of bytes there are; false where it cannot be known.
  virtual bool Size(uint64_t& size) = 0;
};

// Bytes held in memory (the caller keeps them alive).
class MemoryBytes : public ByteSource {
 public:
  explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}
  size_t ReadAt(uint64_t offset, uint8_t* out, size_t size) override {
    if (size == 0 || offset >= bytes_.size()) return 0;
    const size_t count = std::min<size_t>(size, bytes_.size() - static_cast<size_t>(offset));
    std::memcpy(out, bytes_.data() + offset, count);
    return count;
  }
  bool Size(uint64_t& size) override {
    size = bytes_.size();
    return true;
  }

 private:
  std::string_view bytes_;
};

// `size` bytes of other bytes from `start` on, read as bytes of their own: a block that a
// container holds (the EXIF data of an image), which no read of its may leave.
class SliceBytes : public ByteSource {
 public:
  SliceBytes(ByteSource& bytes, uint64_t start, uint64_t size)
      : bytes_(bytes), start_(start), size_(size) {}
  size_t ReadAt(uint64_t offset, uint8_t* out, size_t size) override {
    if (offset >= size_ || start_ > UINT64_MAX - offset) return 0;
    return bytes_.ReadAt(start_ + offset, out, std::min<uint64_t>(size, size_ - offset));
  }
  bool Size(uint64_t& size) override {
    uint64_t whole;
    if (!bytes_.Size(whole)) return false;
    size = whole <= start_ ? 0 : std::min(size_, whole - start_);
    return true;
  }

 private:
  ByteSource& bytes_;
  const uint64_t start_, size_;
};
