// What a file handle does on both builds: it is closed when it goes, moves like a value, and
// its writes can be made to fail for tests.
#include <utility>

#include "platform/error_codes.h"
#include "platform/files.h"
#include "platform/hooks.h"
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

bool FileHandle::Write(const void* buffer, uint32_t size, uint32_t& written) {
  hooks::WriteLimit* limit = hooks::writeLimit;
  const uint32_t allowed = limit ? limit->Allowed(size) : size;
  if (!native::WriteBytes(native_, buffer, allowed, written, lastError_)) return false;
  if (limit) limit->Wrote(written);
  if (allowed == size) return true;
  lastError_ = kErrorDiskFull;
  return false;
}

}  // namespace platform
