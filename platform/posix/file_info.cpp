#include "platform/posix/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform::posix {
namespace {

constexpr uint64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

FileTime FileTimeFromTimespec(const timespec& time) {
  int64_t seconds = static_cast<int64_t>(time.tv_sec) + kSecondsFrom1601To1970;
  return {static_cast<uint64_t>(seconds) * kTicksPerSecond +
          static_cast<uint64_t>(time.tv_nsec) / 100};
}

timespec TimespecFromFileTime(FileTime time) {
  timespec result{};
  result.tv_sec = static_cast<time_t>(static_cast<int64_t>(time.ticks / kTicksPerSecond) -
                                      kSecondsFrom1601To1970);
  result.tv_nsec = static_cast<long>(time.ticks % kTicksPerSecond) * 100;
  return result;
}

FileTime CreationTime(int folder, const char* path, int flags, const struct stat& info) {
  struct statx extended;
  if (statx(folder, path, flags, STATX_BTIME, &extended) == 0 &&
      (extended.stx_mask & STATX_BTIME)) {
    return FileTimeFromTimespec({static_cast<time_t>(extended.stx_btime.tv_sec),
                                 static_cast<long>(extended.stx_btime.tv_nsec)});
  }
  return FileTimeFromTimespec(info.st_mtim);
}

uint32_t AttributesOf(const std::string& name, mode_t mode, bool isLink) {
  uint32_t attributes = S_ISDIR(mode) ? kAttrDirectory : kAttrArchive;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") attributes |= kAttrHidden;
  if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= kAttrReadOnly;
  if (isLink) attributes |= kAttrReparsePoint;
  return attributes;
}

std::string LastComponent(const std::string& path) {
  size_t end = path.find_last_not_of('/');
  if (end == std::string::npos) return {};
  size_t slash = path.rfind('/', end);
  size_t begin = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(begin, end + 1 - begin);
}

uint32_t Win32Error(int error, const std::string& path) {
  switch (error) {
    case ENOENT: {
      size_t slash = path.find_last_not_of('/');
      slash = slash == std::string::npos ? std::string::npos : path.rfind('/', slash);
      if (path.empty()) return kErrorPathNotFound;
      if (slash == std::string::npos || slash == 0) return kErrorFileNotFound;
      struct stat folder;
      std::string parent = path.substr(0, slash);
      return stat(parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) ? kErrorFileNotFound
                                                                           : kErrorPathNotFound;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kErrorAccessDenied;
    case EBADF:
      return kErrorInvalidHandle;
    case EBUSY:
    case ETXTBSY:
      return kErrorSharingViolation;
    case EEXIST:
      return kErrorFileExists;
    case EINVAL:
      return kErrorInvalidParameter;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return kErrorDiskFull;
    default:
      return kErrorInvalidFunction;
  }
}

bool WriteAll(int fd, const void* bytes, size_t size, size_t& written) {
  written = 0;
  while (written < size) {
    const ssize_t n = write(fd, static_cast<const char*>(bytes) + written, size - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace platform::posix
