// CreateFileA and its companions on Linux, keeping the Windows rules that the program relies
// on: a folder opens only with backup semantics, a file without write permission refuses
// write access (root included), and conflicting share modes refuse the open.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/posix/file_info.h"
#include "platform/posix/share_modes.h"

namespace platform {
namespace {

constexpr uint32_t kCreateNew = 1;
constexpr uint32_t kOpenAlways = 4;
constexpr uint32_t kTruncateExisting = 5;

struct Opened {
  int fd = -1;
  uint32_t error = 0;
  struct stat status {};  // the descriptor's, read as it was opened
};

int AccessFlags(uint32_t access) {
  bool read = access & kGenericRead, write = access & kGenericWrite;
  return read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
}

// open(2) without blocking on a FIFO and without leaking into child processes; Register
// makes the descriptor blocking again where that matters.
int OpenNative(const std::string& path, int flags, mode_t mode = 0) {
  int fd;
  do fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// Registers the share mode of a new descriptor, whose status is `st`, or closes it on a
// sharing violation.
Opened Register(int fd, const struct stat& st, uint32_t access, uint32_t share) {
  // Files and folders never block: the two calls are saved for each of them.
  if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  }
  if (!posix::RegisterOpen(st.st_dev, st.st_ino, fd, access, share)) {
    close(fd);
    return {-1, kErrorSharingViolation, {}};
  }
  return {fd, 0, st};
}

Opened Register(int fd, uint32_t access, uint32_t share) {
  struct stat st;
  if (fstat(fd, &st) != 0) {
    int error = errno;
    close(fd);
    return {-1, posix::Win32Error(error, {})};
  }
  return Register(fd, st, access, share);
}

Opened Create(const std::string& path, uint32_t access, uint32_t share) {
  int fd = OpenNative(path, AccessFlags(access) | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return {-1, posix::Win32Error(errno, path)};
  return Register(fd, access, share);
}

Opened OpenExisting(const std::string& path, const struct stat& st, uint32_t access, uint32_t share,
                    bool truncates, uint32_t flags) {
  int fd;
  if (S_ISDIR(st.st_mode)) {
    if (!(flags & kFlagBackupSemantics) || truncates) return {-1, kErrorAccessDenied};
    fd = OpenNative(path, O_RDONLY | O_DIRECTORY);
  } else {
    bool writes = (access & kGenericWrite) || truncates;
    if (writes && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
      return {-1, kErrorAccessDenied};
    fd = OpenNative(path, AccessFlags(access));
  }
  if (fd < 0) return {-1, posix::Win32Error(errno, path)};
  Opened opened = Register(fd, access, share);
  if (opened.fd >= 0 && truncates) {
    int result = (access & kGenericWrite) ? ftruncate(fd, 0) : truncate(path.c_str(), 0);
    if (result != 0) {
      int error = errno;
      posix::UnregisterOpen(fd);
      close(fd);
      return {-1, posix::Win32Error(error, path)};
    }
  }
  return opened;
}

// What exists is opened without a look before: the descriptor tells what it is. A photo
// reader opens every file of a tree this way, and Update every path it stamps; a look by
// name first would walk the path twice.
Opened OpenInPlace(const std::string& path, uint32_t access, uint32_t share, uint32_t flags) {
  const bool writes = access & kGenericWrite;
  int fd = OpenNative(path, AccessFlags(access));
  if (fd < 0 && errno == EISDIR) {
    // A folder opens only with backup semantics, and then to read only.
    if (!(flags & kFlagBackupSemantics)) return {-1, kErrorAccessDenied, {}};
    fd = OpenNative(path, O_RDONLY | O_DIRECTORY);
  }
  if (fd < 0) return {-1, posix::Win32Error(errno, path), {}};
  struct stat st;
  if (fstat(fd, &st) != 0) {
    int error = errno;
    close(fd);
    return {-1, posix::Win32Error(error, path), {}};
  }
  const bool refused =
      S_ISDIR(st.st_mode)
          ? !(flags & kFlagBackupSemantics)
          : writes && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;  // root too
  if (refused) {
    close(fd);
    return {-1, kErrorAccessDenied, {}};
  }
  return Register(fd, st, access, share);
}

Opened OpenPath(const std::string& path, uint32_t access, uint32_t share, uint32_t creation,
                uint32_t flags) {
  if (path.empty()) return {-1, kErrorPathNotFound};
  if (creation < kCreateNew || creation > kTruncateExisting) return {-1, kErrorInvalidParameter};
  if (creation == kOpenExisting) return OpenInPlace(path, access, share, flags);
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    int error = errno;
    bool creates = creation == kCreateNew || creation == kCreateAlways || creation == kOpenAlways;
    if (error == ENOENT && creates) return Create(path, access, share);
    return {-1, posix::Win32Error(error, path)};
  }
  if (creation == kCreateNew) return {-1, kErrorFileExists};
  if (creation == kTruncateExisting && !(access & kGenericWrite))
    return {-1, kErrorInvalidParameter};
  bool truncates = creation == kCreateAlways || creation == kTruncateExisting;
  return OpenExisting(path, st, access, share, truncates, flags);
}

}  // namespace

void native::CloseFile(intptr_t& handle) {
  if (handle < 0) return;
  int fd = static_cast<int>(handle);
  posix::UnregisterOpen(fd);
  close(fd);
  handle = -1;
}

FileHandle FileHandle::Open(const std::string& path, uint32_t access, uint32_t share,
                            uint32_t creation, uint32_t flags) {
  Opened opened = OpenPath(path, access, share, creation, flags);
  FileHandle handle;
  handle.native_ = opened.fd;
  handle.openError_ = opened.error;
  handle.lastError_ = opened.error;
  // Only an open in place leaves the times it read as they are: a truncation changes them.
  if (opened.fd >= 0 && creation == kOpenExisting) {
    const struct stat& st = opened.status;
    handle.opened_ = {
        {st.st_atim.tv_sec, st.st_atim.tv_nsec}, {st.st_mtim.tv_sec, st.st_mtim.tv_nsec}, true};
  }
  return handle;
}

bool FileHandle::Valid() const { return native_ >= 0; }

bool FileHandle::GetLastWriteTime(FileTime& utc) const {
  struct stat st;
  if (native_ < 0 || fstat(static_cast<int>(native_), &st) != 0) return false;
  utc = posix::FileTimeFromTimespec(st.st_mtim);
  return true;
}

bool FileHandle::GetTimes(FileTime* creation, FileTime* lastAccess, FileTime* lastWrite) {
  struct stat st;
  if (native_ < 0 || fstat(static_cast<int>(native_), &st) != 0) {
    lastError_ = native_ < 0 ? kErrorInvalidHandle : posix::Win32Error(errno, {});
    return false;
  }
  if (creation) *creation = posix::CreationTime(static_cast<int>(native_), "", AT_EMPTY_PATH, st);
  if (lastAccess) *lastAccess = posix::FileTimeFromTimespec(st.st_atim);
  if (lastWrite) *lastWrite = posix::FileTimeFromTimespec(st.st_mtim);
  return true;
}

bool FileHandle::SetTimes(const FileTime*, const FileTime* lastAccess, const FileTime* lastWrite) {
  // Linux keeps no creation time that could be set; the other two are kept to the tick.
  if (native_ < 0) {
    lastError_ = kErrorInvalidHandle;
    return false;
  }
  timespec times[2];
  times[0] = lastAccess ? posix::TimespecFromFileTime(*lastAccess) : timespec{0, UTIME_OMIT};
  times[1] = lastWrite ? posix::TimespecFromFileTime(*lastWrite) : timespec{0, UTIME_OMIT};
  // The times to put back if the set is not kept: those read with the open, unless the
  // handle wrote since.
  struct stat previous;
  const bool hadTimes = opened_.known || fstat(static_cast<int>(native_), &previous) == 0;
  if (opened_.known) {
    previous.st_atim = {opened_.access[0], opened_.access[1]};
    previous.st_mtim = {opened_.write[0], opened_.write[1]};
  }
  if (futimens(static_cast<int>(native_), times) != 0) {
    lastError_ = posix::Win32Error(errno, {});
    return false;
  }
  // A file system puts a time it cannot hold at the edge of its range without a word (ext4
  // keeps 1901-12-14 to 2446), so the last-write time is read back: another one is a failure.
  // The last-access time is not compared: some file systems keep it coarser (FAT, a date).
  struct stat kept;
  if (lastWrite &&
      (fstat(static_cast<int>(native_), &kept) != 0 || kept.st_mtim.tv_sec != times[1].tv_sec ||
       kept.st_mtim.tv_nsec != times[1].tv_nsec)) {
    // The failed set changes nothing: the file gets its previous times back.
    if (hadTimes) {
      const timespec back[2] = {previous.st_atim, previous.st_mtim};
      futimens(static_cast<int>(native_), back);
    }
    lastError_ = kErrorInvalidParameter;
    return false;
  }
  return true;
}

bool FileHandle::Read(void* buffer, uint32_t size, uint32_t& read) {
  read = 0;
  if (native_ < 0) {
    lastError_ = kErrorInvalidHandle;
    return false;
  }
  ssize_t n;
  do n = ::read(static_cast<int>(native_), buffer, size);
  while (n < 0 && errno == EINTR);
  if (n < 0) {
    lastError_ = errno == EBADF ? kErrorAccessDenied : posix::Win32Error(errno, {});
    return false;
  }
  read = static_cast<uint32_t>(n);
  return true;
}

bool FileHandle::Size(uint64_t& size) {
  struct stat status;
  if (native_ < 0 || fstat(static_cast<int>(native_), &status) != 0) {
    lastError_ = native_ < 0 ? kErrorInvalidHandle : kErrorInvalidParameter;
    return false;
  }
  size = static_cast<uint64_t>(status.st_size);
  return true;
}

bool FileHandle::Seek(uint64_t offset) {
  if (native_ < 0) {
    lastError_ = kErrorInvalidHandle;
    return false;
  }
  if (offset > static_cast<uint64_t>(INT64_MAX) ||
      lseek(static_cast<int>(native_), static_cast<off_t>(offset), SEEK_SET) < 0) {
    lastError_ = kErrorInvalidParameter;
    return false;
  }
  return true;
}

bool native::FlushFile(intptr_t handle, uint32_t& error) {
  if (handle < 0) {
    error = kErrorInvalidHandle;
    return false;
  }
  if (fsync(static_cast<int>(handle)) != 0) {
    error = posix::Win32Error(errno, {});
    return false;
  }
  return true;
}

bool native::WriteBytes(intptr_t handle, const void* buffer, uint32_t size, uint32_t& written,
                        uint32_t& error) {
  written = 0;
  if (handle < 0) {
    error = kErrorInvalidHandle;
    return false;
  }
  size_t count;
  const bool whole = posix::WriteAll(static_cast<int>(handle), buffer, size, count);
  written = static_cast<uint32_t>(count);
  if (!whole) error = errno == EBADF ? kErrorAccessDenied : posix::Win32Error(errno, {});
  return whole;
}

}  // namespace platform
