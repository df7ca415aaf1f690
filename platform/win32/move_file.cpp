#include <windows.h>

#include "platform/files.h"
#include "platform/native.h"

namespace platform {

bool native::MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = 0;
    return true;
  }
  error = GetLastError();
  return false;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace platform
