// FindFirstFileA as Wine gives it on a Linux file system: "." and ".." first, then the names
// ordered without regard to ASCII case, and links followed (a dangling link is not listed).
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/posix/file_info.h"

namespace platform {
namespace {

bool IsWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool MatchesAll(const std::string& name) { return name == "*" || name == "*.*"; }

FileTime FromStatx(const struct statx_timestamp& time) {
  return posix::FileTimeFromTimespec({static_cast<time_t>(time.tv_sec), time.tv_nsec});
}

// Fills `entry` for the entry `name` at `path`, which is relative to the open folder `folder`
// (AT_FDCWD: the working folder); false when it cannot be read. One statx call gives the
// mode, the times and the birth time: a walk makes one call for each entry (two for a link).
bool Describe(int folder, const std::string& path, const std::string& name, FoundEntry& entry) {
  constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;
  struct statx own, target;
  if (statx(folder, path.c_str(), AT_SYMLINK_NOFOLLOW, kWanted, &own) != 0) return false;
  const bool isLink = S_ISLNK(own.stx_mode);
  if (isLink && statx(folder, path.c_str(), 0, kWanted, &target) != 0) return false;
  const struct statx& info = isLink ? target : own;
  entry.name = name;
  entry.attributes = posix::AttributesOf(name, info.stx_mode, isLink);
  entry.lastWrite = FromStatx(info.stx_mtime);
  entry.lastAccess = FromStatx(info.stx_atime);
  // Where the file system keeps no birth time, the last-write time, as Wine gives it.
  entry.creation = FromStatx(info.stx_mask & STATX_BTIME ? info.stx_btime : info.stx_mtime);
  return true;
}

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The order of a directory listing: "." and ".." ahead of every other name.
bool ListedBefore(const FoundEntry& a, const FoundEntry& b) {
  auto rank = [](const std::string& name) { return name == "." ? 0 : name == ".." ? 1 : 2; };
  if (rank(a.name) != rank(b.name)) return rank(a.name) < rank(b.name);
  auto folded = [](char x, char y) {
    return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
  };
  if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                   folded))
    return true;
  if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(),
                                   folded))
    return false;
  return a.name < b.name;
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

// What a search found, or why it found nothing (a Win32 error code).
struct Found {
  std::vector<FoundEntry> entries;
  uint32_t error = 0;
};

Found ListFolder(const std::string& folder, const std::string& namePattern) {
  Found found;
  std::vector<FoundEntry>& entries = found.entries;
  entries.reserve(64);
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) {
    const int error = errno;
    found.error = posix::Win32Error(error, folder + "/" + namePattern);  // a missing folder: 3
    return found;
  }
  // Each entry is read relative to its folder, so that one whose whole path is longer than
  // the system opens is listed all the same (opening it fails later, and says why).
  while (const dirent* item = readdir(dir.get())) {
    std::string name = item->d_name;
    if (!MatchesAll(namePattern) && fnmatch(namePattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0)
      continue;
    FoundEntry entry;
    if (Describe(dirfd(dir.get()), name, name, entry)) entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), ListedBefore);
  if (entries.empty()) found.error = kErrorFileNotFound;
  return found;
}

Found Search(const std::string& pattern) {
  if (pattern.empty() || pattern.back() == '/') return {{}, kErrorFileNotFound};
  size_t slash = pattern.rfind('/');
  std::string name = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (IsWildcard(name)) {
    std::string folder = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : pattern.substr(0, slash);
    return ListFolder(folder, name);
  }
  FoundEntry entry;
  if (!Describe(AT_FDCWD, pattern, name, entry)) return {{}, posix::Win32Error(errno, pattern)};
  return {{entry}, 0};
}

}  // namespace

struct DirectorySearch::Impl {
  Found found;
  size_t next = 0;
  bool failed = false;
};

DirectorySearch::DirectorySearch(const std::string& pattern)
    : impl_(new Impl{Search(pattern), 0, false}) {}

DirectorySearch::~DirectorySearch() { delete impl_; }

bool DirectorySearch::Started() const { return !impl_->found.entries.empty(); }

uint32_t DirectorySearch::Error() const { return impl_->found.error; }

bool DirectorySearch::Next(FoundEntry& entry) {
  if (impl_->failed || impl_->next >= impl_->found.entries.size()) return false;
  if (native::SearchFailsAt(static_cast<uint32_t>(impl_->next), impl_->found.error)) {
    impl_->failed = true;
    return false;
  }
  entry = std::move(impl_->found.entries[impl_->next++]);  // each entry is given once
  return true;
}

// A named path is read as it stands: on Linux a name may hold '*' and '?', which make no
// pattern here.
bool FindOne(const std::string& path, FoundEntry& entry) {
  return !path.empty() && path.back() != '/' &&
         Describe(AT_FDCWD, path, posix::LastComponent(path), entry);
}

// The folder is resolved, the last name kept: a link named by the user stays that link.
bool FullPathName(const std::string& path, std::string& full) {
  if (path.empty()) return false;
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const size_t slash = trimmed.rfind('/');
  std::string folder = slash == std::string::npos ? "."
                       : slash == 0               ? "/"
                                                  : trimmed.substr(0, slash);
  std::string name = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
  if (name == "." || name == ".." || trimmed == "/") {
    folder = trimmed;
    name.clear();
  }
  // A missing folder is named from the working folder, as GetFullPathName names it.
  char* real = realpath(folder.c_str(), nullptr);
  if (real) {
    full = real;
    std::free(real);
  } else if (folder[0] == '/') {
    full = folder;
  } else {
    char* working = getcwd(nullptr, 0);
    if (!working) return false;
    full = std::string(working) + "/" + folder;
    std::free(working);
  }
  if (!name.empty()) full += (full == "/" ? "" : "/") + name;
  return true;
}

uint32_t ReadAttributes(const std::string& path) {
  FoundEntry entry;
  if (path.empty() || !Describe(AT_FDCWD, path, posix::LastComponent(path), entry))
    return kInvalidAttributes;
  return entry.attributes;
}

}  // namespace platform
