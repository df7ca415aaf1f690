// What a file handle does on both builds: it is closed when it goes, moves like a value, and
// its writes can be made to fail for tests.
#include <utility>

#include "platform/files.h"
#include "platform/native.h"

namespace platform {
namespace {

constexpr uint32_t kErrorDiskFull = 112;

std::optional<uint64_t>& WritesLeft() {
  static std::optional<uint64_t> left;
  return left;
}

}  // namespace

FileHandle::~FileHandle() { native::CloseFile(native_); }

FileHandle::FileHandle(FileHandle&& other) noexcept
    : native_(std::exchange(other.native_, -1)),
      openError_(other.openError_),
      lastError_(other.lastError_) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    native::CloseFile(native_);
    native_ = std::exchange(other.native_, -1);
    openError_ = other.openError_;
    lastError_ = other.lastError_;
  }
  return *this;
}

bool FileHandle::Write(const void* buffer, uint32_t size, uint32_t& written) {
  std::optional<uint64_t>& left = WritesLeft();
  const bool full = left && *left < size;
  const uint32_t allowed = full ? static_cast<uint32_t>(*left) : size;
  if (!native::WriteBytes(native_, buffer, allowed, written, lastError_)) return false;
  if (left) *left -= written;
  if (!full) return true;
  lastError_ = kErrorDiskFull;
  return false;
}

void testing::FailWritesAfter(std::optional<uint64_t> bytes) { WritesLeft() = bytes; }

}  // namespace platform
