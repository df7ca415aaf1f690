#include "entries/open_mode.h"

#include <stdexcept>

namespace {

constexpr uint32_t kAccess[] = {platform::kGenericRead, platform::kGenericWrite,
                                platform::kGenericRead | platform::kGenericWrite};
constexpr uint32_t kSharing[] = {0, 0, platform::kShareRead, platform::kShareWrite,
                                 platform::kShareRead | platform::kShareWrite};

platform::FileHandle OpenByMode(const std::string& path, uint8_t mode, uint32_t also,
                                uint32_t flags) {
  const unsigned access = mode & 3, sharing = (mode & 0xF0) >> 4;
  if (access > 2 || sharing > 4) throw std::invalid_argument("open mode");
  return platform::FileHandle::Open(path, kAccess[access] | also, kSharing[sharing],
                                    platform::kOpenExisting, flags);
}

}  // namespace

platform::FileHandle OpenForWrite(const std::string& path, uint8_t mode, uint32_t alsoAccess) {
  return OpenByMode(path, mode, alsoAccess,
                    platform::kFlagNormal | platform::kFlagOpenReparsePoint);
}

platform::FileHandle OpenFolder(const std::string& path, uint8_t mode, uint32_t alsoAccess) {
  return OpenByMode(path, mode, alsoAccess,
                    platform::kFlagBackupSemantics | platform::kFlagOpenReparsePoint);
}
