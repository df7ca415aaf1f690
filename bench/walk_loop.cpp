// The least a program can do to walk a tree, as the yardstick for a walk on several threads:
// every folder's entries read with their attributes and times (FindFirstFileW/FindNextFileW;
// readdir and lstat on Linux), the top folders of the tree taken in turn by `threads` threads.
// Nothing is kept but a count.
#include "bench/walk_loop.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

#ifdef _WIN32
using Path = std::wstring;
Path ToPath(const std::string& text) { return Path(text.begin(), text.end()); }

// Calls `seen` for each entry of `folder` with whether it is a folder.
template <typename Seen>
void Entries(const Path& folder, Seen seen) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const Path name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    seen(folder + L"\\" + name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}
#else
using Path = std::string;
Path ToPath(const std::string& text) { return text; }

template <typename Seen>
void Entries(const Path& folder, Seen seen) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    const Path name = entry->d_name;
    if (name == "." || name == "..") continue;
    const Path path = folder + "/" + name;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) seen(path, S_ISDIR(st.st_mode));
  }
  closedir(dir);
}
#endif

size_t Walk(const Path& folder) {
  size_t count = 0;
  Entries(folder, [&count](const Path& path, bool isFolder) {
    ++count;
    if (isFolder) count += Walk(path);
  });
  return count;
}

}  // namespace

void RunWalkLoop(const std::string& root, unsigned threads) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<Path> tops;
  size_t count = 0;
  Entries(ToPath(root), [&](const Path& path, bool isFolder) {
    ++count;
    if (isFolder) tops.push_back(path);
  });
  std::atomic<size_t> next{0}, below{0};
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < threads; ++i) {
    workers.emplace_back([&] {
      for (size_t at; (at = next.fetch_add(1)) < tops.size();) below.fetch_add(Walk(tops[at]));
    });
  }
  for (std::thread& worker : workers) worker.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("  %-40s %8.3f s  (%zu entries)\n",
              ("walking loop, " + std::to_string(threads) + " thread(s)").c_str(), seconds,
              count + below.load());
}
