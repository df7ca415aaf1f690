#include "support/file_times.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace testsupport {

#ifdef _WIN32
FileTimes ReadFileTimes(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  FILETIME access, write;
  const bool ok = GetFileTime(handle, nullptr, &access, &write) != 0;
  CloseHandle(handle);
  if (!ok) throw std::runtime_error("cannot read the times of " + path);
  auto ticks = [](FILETIME t) {
    return platform::FileTime{(static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime};
  };
  return {ticks(access), ticks(write)};
}
#else
FileTimes ReadFileTimes(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) throw std::runtime_error("cannot stat " + path);
  constexpr uint64_t kEpochSeconds = 11644473600ull;  // 1601-01-01 to 1970-01-01
  auto ticks = [](const timespec& t) {
    return platform::FileTime{(static_cast<uint64_t>(t.tv_sec) + kEpochSeconds) * 10000000ull +
                              static_cast<uint64_t>(t.tv_nsec) / 100};
  };
  return {ticks(info.st_atim), ticks(info.st_mtim)};
}
#endif

}  // namespace testsupport
