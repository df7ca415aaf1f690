#include <windows.h>

#include "platform/files.h"
#include "platform/win32/wide.h"

namespace platform {

bool ReadFolderId(const std::string& path, FolderId& id) {
  HANDLE handle = CreateFileW(win32::WidePath(path).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool ok = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  if (!ok) return false;
  id.volume = info.dwVolumeSerialNumber;
  id.index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool FullPathName(const std::string& path, std::string& full) {
  bool exact = true;
  const std::wstring wide = win32::ToWide(path, &exact);
  if (!exact) return false;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return false;
  std::wstring made(size, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), size, made.data(), nullptr);
  if (length == 0 || length >= size) return false;
  made.resize(length);
  full = win32::FromWide(made);
  return true;
}

}  // namespace platform
