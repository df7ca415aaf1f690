#include <windows.h>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

FileTime FromFiletime(const FILETIME& time) {
  return {(static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime};
}

// Every name comes as itself (a lone surrogate carried), never as its short name.
FoundEntry FromFindData(const WIN32_FIND_DATAW& data) {
  FoundEntry entry;
  entry.name = win32::FromWide(data.cFileName);
  entry.attributes = data.dwFileAttributes;
  entry.lastWrite = FromFiletime(data.ftLastWriteTime);
  entry.creation = FromFiletime(data.ftCreationTime);
  entry.lastAccess = FromFiletime(data.ftLastAccessTime);
  return entry;
}

}  // namespace

uint32_t ReadAttributes(const std::string& path) {
  return GetFileAttributesW(win32::WidePath(path).c_str());
}

struct DirectorySearch::Impl {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW first{};
  bool firstTaken = false;
  uint32_t given = 0;
  uint32_t error = 0;
};

DirectorySearch::DirectorySearch(const std::string& pattern) : impl_(new Impl) {
  impl_->handle = FindFirstFileW(win32::WidePath(pattern).c_str(), &impl_->first);
  if (impl_->handle == INVALID_HANDLE_VALUE) impl_->error = GetLastError();
}

DirectorySearch::~DirectorySearch() {
  if (impl_->handle != INVALID_HANDLE_VALUE) FindClose(impl_->handle);
  delete impl_;
}

bool DirectorySearch::Started() const { return impl_->handle != INVALID_HANDLE_VALUE; }

uint32_t DirectorySearch::Error() const { return impl_->error; }

bool DirectorySearch::Next(FoundEntry& entry) {
  if (impl_->handle == INVALID_HANDLE_VALUE || impl_->error) return false;
  if (native::SearchFailsAt(impl_->given, impl_->error)) return false;
  ++impl_->given;
  if (!impl_->firstTaken) {
    impl_->firstTaken = true;
    entry = FromFindData(impl_->first);
    return true;
  }
  WIN32_FIND_DATAW data;
  if (!FindNextFileW(impl_->handle, &data)) {
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) impl_->error = error;
    return false;
  }
  entry = FromFindData(data);
  return true;
}

bool FindOne(const std::string& path, FoundEntry& entry) {
  WIN32_FIND_DATAW data;
  HANDLE handle = FindFirstFileW(win32::WidePath(path).c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) return false;
  FindClose(handle);
  entry = FromFindData(data);
  return true;
}

}  // namespace platform
