// What a file handle does on both builds: it is closed when it goes, moves like a value, and
// its writes can be made to fail for tests; its flushes and closes and the moves of files can
// be heard by tests.
#include <functional>
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

std::function<bool(const char*)>& CallHook() {
  static std::function<bool(const char*)> hook;
  return hook;
}

// Tells the hook of a call about to be made; true when the hook takes it as done.
bool Heard(const char* call) { return CallHook() && CallHook()(call); }

void Close(intptr_t& native) {
  if (native != -1) Heard("close");
  native::CloseFile(native);
}

}  // namespace

FileHandle::~FileHandle() { Close(native_); }

FileHandle::FileHandle(FileHandle&& other) noexcept
    : native_(std::exchange(other.native_, -1)),
      openError_(other.openError_),
      lastError_(other.lastError_) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close(native_);
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

void testing::FailWritesAfter(std::optional<uint64_t> bytes) { WritesLeft() = bytes; }

void testing::HearFileCalls(std::function<bool(const char* call)> hook) {
  CallHook() = std::move(hook);
}

}  // namespace platform
