// The entries of one folder with the fewest calls, for the benchmark's yardsticks: wide names
// on Windows (FindFirstFileW/FindNextFileW), readdir and lstat on Linux.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace bench {

#ifdef _WIN32
using Path = std::wstring;
// Benchmark roots are ASCII.
inline Path ToPath(const std::string& text) { return Path(text.begin(), text.end()); }

// Calls `seen` with each entry's path and whether it is a folder.
template <typename Seen>
void ForEachEntry(const Path& folder, Seen seen) {
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
inline Path ToPath(const std::string& text) { return text; }

template <typename Seen>
void ForEachEntry(const Path& folder, Seen seen) {
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

}  // namespace bench
