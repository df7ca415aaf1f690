#include <windows.h>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/win32/wide.h"

namespace platform {

bool native::MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error) {
  if (MoveFileExW(win32::WidePath(from).c_str(), win32::WidePath(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = 0;
    return true;
  }
  error = GetLastError();
  return false;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(win32::WidePath(path).c_str()) != FALSE;
}

}  // namespace platform
