// The least a program can do to stamp every file of a tree, as the yardstick for Update:
// open for writing with read sharing (the wide call, as the program opens), set the three
// times, close; on `threads` threads that take the paths in turn. The paths are gathered
// first and not timed.
#include "bench/stamp_loop.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bench/tree_entries.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
bool Stamp(const bench::Path& path) {
  // 2001/05/06 9:05:04 UTC.
  const FILETIME time{0xA35AE000u, 0x01C0D60Bu};
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool set = SetFileTime(file, &time, &time, &time) != 0;
  CloseHandle(file);
  return set;
}
#else
bool Stamp(const bench::Path& path) {
  const timespec times[2] = {{989139904, 0}, {989139904, 0}};
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
  const bool set = fd >= 0 && futimens(fd, times) == 0;
  if (fd >= 0) close(fd);
  return set;
}
#endif

void Gather(const bench::Path& folder, std::vector<bench::Path>& files) {
  bench::ForEachEntry(folder, [&files](const bench::Path& path, bool isFolder) {
    if (isFolder) {
      Gather(path, files);
    } else {
      files.push_back(path);
    }
  });
}

}  // namespace

void RunStampLoop(const std::string& root, unsigned threads) {
  std::vector<bench::Path> files;
  Gather(bench::ToPath(root), files);
  std::atomic<size_t> next{0}, failed{0};
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < threads; ++i) {
    workers.emplace_back([&] {
      for (size_t at; (at = next.fetch_add(1)) < files.size();) {
        if (!Stamp(files[at])) failed.fetch_add(1);
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("  %-40s %8.3f s  (%zu files, %zu failed)\n",
              ("stamping loop, " + std::to_string(threads) + " thread(s)").c_str(), seconds,
              files.size(), failed.load());
}
