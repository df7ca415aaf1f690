// MoveFileExA and DeleteFileA on Linux. rename(2) and unlink(2) replace or remove any entry
// of a writable folder; Windows refuses folders, read-only files and files that are open,
// and so does this layer (opens by other processes are not seen).
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/posix/file_info.h"
#include "platform/posix/share_modes.h"

namespace platform {
namespace {

// Whether Windows would refuse to replace or remove the entry at `path`: a folder, a
// read-only file, or a file that is open.
bool Protected(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) return true;
  if (!S_ISLNK(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return posix::HeldOpen(st.st_dev, st.st_ino);
}

bool InUse(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && posix::HeldOpen(st.st_dev, st.st_ino);
}

// The new entry of a folder reaches the disk with the folder.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : path.substr(0, slash);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool native::MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error) {
  error = InUse(from) ? kErrorSharingViolation : Protected(to) ? kErrorAccessDenied : 0;
  if (error != 0) return false;
  if (rename(from.c_str(), to.c_str()) != 0) {
    const int code = errno;
    error = posix::Win32Error(code, access(from.c_str(), F_OK) != 0 ? from : to);
    return false;
  }
  SyncFolderOf(to);
  return true;
}

bool RemoveFile(const std::string& path) { return !Protected(path) && unlink(path.c_str()) == 0; }

}  // namespace platform
