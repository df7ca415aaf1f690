// What a file handle does on both builds: it is closed when it goes, and moves like a value.
#include <utility>

#include "platform/files.h"
#include "platform/native.h"

namespace platform {

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

}  // namespace platform
