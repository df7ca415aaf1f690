#include <windows.h>

#include <utility>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

HANDLE Native(intptr_t native) { return reinterpret_cast<HANDLE>(native); }

FILETIME ToFiletime(const FileTime& time) {
  return {static_cast<DWORD>(time.ticks), static_cast<DWORD>(time.ticks >> 32)};
}

}  // namespace

void native::CloseFile(intptr_t& handle) {
  if (Native(handle) != INVALID_HANDLE_VALUE) CloseHandle(Native(handle));
  handle = -1;
}

FileHandle FileHandle::Open(const std::string& path, uint32_t access, uint32_t share,
                            uint32_t creation, uint32_t flags) {
  FileHandle handle;
  HANDLE opened =
      CreateFileW(win32::WidePath(path).c_str(), access, share, nullptr, creation, flags, nullptr);
  handle.native_ = reinterpret_cast<intptr_t>(opened);
  if (opened == INVALID_HANDLE_VALUE) handle.openError_ = handle.lastError_ = GetLastError();
  return handle;
}

bool FileHandle::Valid() const { return Native(native_) != INVALID_HANDLE_VALUE; }

bool FileHandle::GetLastWriteTime(FileTime& utc) const {
  FILETIME lastWrite;
  if (!GetFileTime(Native(native_), nullptr, nullptr, &lastWrite)) return false;
  utc.ticks = (static_cast<uint64_t>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
  return true;
}

bool FileHandle::GetTimes(FileTime* creation, FileTime* lastAccess, FileTime* lastWrite) {
  FILETIME times[3];
  if (!GetFileTime(Native(native_), &times[0], &times[1], &times[2])) {
    lastError_ = GetLastError();
    return false;
  }
  FileTime* wanted[3] = {creation, lastAccess, lastWrite};
  for (int i = 0; i < 3; ++i) {
    if (wanted[i])
      wanted[i]->ticks =
          (static_cast<uint64_t>(times[i].dwHighDateTime) << 32) | times[i].dwLowDateTime;
  }
  return true;
}

bool FileHandle::SetTimes(const FileTime* creation, const FileTime* lastAccess,
                          const FileTime* lastWrite) {
  FILETIME times[3];
  const FileTime* given[3] = {creation, lastAccess, lastWrite};
  for (int i = 0; i < 3; ++i) {
    if (given[i]) times[i] = ToFiletime(*given[i]);
  }
  if (SetFileTime(Native(native_), creation ? &times[0] : nullptr, lastAccess ? &times[1] : nullptr,
                  lastWrite ? &times[2] : nullptr))
    return true;
  lastError_ = GetLastError();
  return false;
}

bool FileHandle::Read(void* buffer, uint32_t size, uint32_t& read) {
  DWORD done = 0;
  BOOL ok = ReadFile(Native(native_), buffer, size, &done, nullptr);
  read = done;
  if (!ok) lastError_ = GetLastError();
  return ok;
}

bool FileHandle::Size(uint64_t& size) {
  LARGE_INTEGER bytes;
  if (!GetFileSizeEx(Native(native_), &bytes)) {
    lastError_ = GetLastError();
    return false;
  }
  size = static_cast<uint64_t>(bytes.QuadPart);
  return true;
}

bool FileHandle::Seek(uint64_t offset) {
  if (offset > static_cast<uint64_t>(INT64_MAX)) {
    lastError_ = ERROR_INVALID_PARAMETER;
    return false;
  }
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(offset);
  if (SetFilePointerEx(Native(native_), distance, nullptr, FILE_BEGIN)) return true;
  lastError_ = GetLastError();
  return false;
}

bool native::FlushFile(intptr_t handle, uint32_t& error) {
  if (FlushFileBuffers(Native(handle))) return true;
  error = GetLastError();
  return false;
}

bool native::WriteBytes(intptr_t handle, const void* buffer, uint32_t size, uint32_t& written,
                        uint32_t& error) {
  DWORD done = 0;
  const BOOL ok = WriteFile(Native(handle), buffer, size, &done, nullptr);
  written = done;
  if (!ok) error = GetLastError();
  return ok;
}

}  // namespace platform
