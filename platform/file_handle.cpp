// What a file handle does on both builds: it is closed when it goes, moves like a value, and
// its writes can be made to fail for tests; its flushes and closes and the moves of files can
// be heard by tests.
#include <utility>

#include "platform/error_codes.h"
#include "platform/files.h"
#include "platform/hooks.h"
#include "platform/native.h"

namespace platform {
namespace {

// Tells the hook of a call about to be made; true when the hook takes it as done.
bool Heard(const char* call) { return hooks::fileCall && hooks::fileCall(call); }

void Close(intptr_t& native) {
  if (native != -1) Heard("close");
  native::CloseFile(native);
}

}  // namespace

FileHandle::~FileHandle() { Close(native_); }

FileHandle::FileHandle(FileHandle&& other) noexcept
    : native_(std::exchange(other.native_, -1)),
      openError_(other.openError_),
      lastError_(other.lastError_),
      opened_(other.opened_) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close(native_);
    native_ = std::exchange(other.native_, -1);
    openError_ = other.openError_;
    lastError_ = other.lastError_;
    opened_ = other.opened_;
  }
  return *this;
}

bool FileHandle::Write(const void* buffer, uint32_t size, uint32_t& written) {
  opened_.known = false;
  hooks::WriteLimit* limit = hooks::writeLimit;
  const uint32_t allowed = limit ? limit->Allowed(size) : size;
  if (!native::WriteBytes(native_, buffer, allowed, written, lastError_)) return false;
  if (limit) limit->Wrote(written);
  if (allowed == size) return true;
  lastError_ = kErrorDiskFull;
  return false;
}

bool FileHandle::Flush() {
  Heard("flush");
  return native::FlushFile(native_, lastError_);
}

bool MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error) {
  if (Heard("move")) {
    error = 0;
    return true;
  }
  return native::MoveFileReplacing(from, to, error);
}

}  // namespace platform
