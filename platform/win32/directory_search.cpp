#include <windows.h>

#include "platform/files.h"

namespace platform {
namespace {

FileTime FromFiletime(const FILETIME& time) {
  return {(static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime};
}

FoundEntry FromFindData(const WIN32_FIND_DATAA& data) {
  return {data.cFileName, data.dwFileAttributes, FromFiletime(data.ftLastWriteTime)};
}

}  // namespace

uint32_t ReadAttributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

struct DirectorySearch::Impl {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA first{};
  bool firstTaken = false;
  uint32_t error = 0;
};

DirectorySearch::DirectorySearch(const std::string& pattern) : impl_(new Impl) {
  impl_->handle = FindFirstFileA(pattern.c_str(), &impl_->first);
  if (impl_->handle == INVALID_HANDLE_VALUE) impl_->error = GetLastError();
}

DirectorySearch::~DirectorySearch() {
  if (impl_->handle != INVALID_HANDLE_VALUE) FindClose(impl_->handle);
  delete impl_;
}

bool DirectorySearch::Started() const { return impl_->handle != INVALID_HANDLE_VALUE; }

uint32_t DirectorySearch::Error() const { return impl_->error; }

bool DirectorySearch::Next(FoundEntry& entry) {
  if (impl_->handle == INVALID_HANDLE_VALUE) return false;
  if (!impl_->firstTaken) {
    impl_->firstTaken = true;
    entry = FromFindData(impl_->first);
    return true;
  }
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(impl_->handle, &data)) return false;
  entry = FromFindData(data);
  return true;
}

bool FindOne(const std::string& path, FoundEntry& entry) {
  WIN32_FIND_DATAA data;
  HANDLE handle = FindFirstFileA(path.c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) return false;
  FindClose(handle);
  entry = FromFindData(data);
  return true;
}

}  // namespace platform
