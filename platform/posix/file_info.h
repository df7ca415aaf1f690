// What the posix file services share: Windows attributes, file times and error codes made
// from what the Linux calls report (the codes of platform/error_codes.h).
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "platform/error_codes.h"
#include "platform/files.h"

namespace platform::posix {

FileTime FileTimeFromTimespec(const timespec& time);
timespec TimespecFromFileTime(FileTime time);
// The birth time of `path` (relative to the open folder `folder`; with `flags` of fstatat)
// where the file system keeps one, else the last-write time of `info`, as Wine gives it.
FileTime CreationTime(int folder, const char* path, int flags, const struct stat& info);

// The attribute word of an entry called `name`, from the mode that stat gives (the link
// followed); `isLink` when the entry itself is a symbolic link.
uint32_t AttributesOf(const std::string& name, mode_t mode, bool isLink);

// The part of a path after its last '/', trailing '/'s ignored.
std::string LastComponent(const std::string& path);

// The Win32 error code for an errno from a call on `path`; ENOENT becomes "path not found"
// when the folder that should hold the entry is missing as well.
uint32_t Win32Error(int error, const std::string& path);

// Writes all `size` bytes to `fd`, again after an interruption or a short write. False when
// a write fails (errno tells why) or writes nothing; `written` counts what was written.
bool WriteAll(int fd, const void* bytes, size_t size, size_t& written);

}  // namespace platform::posix
