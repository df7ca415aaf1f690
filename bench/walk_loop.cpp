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

#include "bench/tree_entries.h"

namespace {

using bench::ForEachEntry;
using bench::Path;

size_t Walk(const Path& folder) {
  size_t count = 0;
  ForEachEntry(folder, [&count](const Path& path, bool isFolder) {
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
  ForEachEntry(bench::ToPath(root), [&](const Path& path, bool isFolder) {
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
