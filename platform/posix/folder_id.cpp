#include <sys/stat.h>

#include "platform/files.h"

namespace platform {

bool ReadFolderId(const std::string& path, FolderId& id) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return false;
  id.volume = static_cast<uint64_t>(info.st_dev);
  id.index = static_cast<uint64_t>(info.st_ino);
  return true;
}

}  // namespace platform
