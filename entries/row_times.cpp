#include "entries/row_times.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "entries/file_dates.h"
#include "entries/path_kind.h"

namespace {

struct FolderFiles {
  std::vector<size_t> rows;  // sorted by name once the folder is read
};

// Orders the rows of one folder by their names, and finds a name among them.
struct ByName {
  const std::vector<RowPath>& paths;
  size_t folderLength;
  std::string_view operator()(size_t row) const {
    return std::string_view(*paths[row].path).substr(folderLength);
  }
  bool operator()(size_t a, size_t b) const { return (*this)(a) < (*this)(b); }
  bool operator()(size_t a, std::string_view b) const { return (*this)(a) < b; }
  bool operator()(std::string_view a, size_t b) const { return a < (*this)(b); }
};

}  // namespace

bool ReadRowTimes(const std::vector<RowPath>& paths, RowTime which,
                  std::vector<std::optional<platform::FileTime>>& times,
                  const WorkProgress& progress) {
  times.assign(paths.size(), std::nullopt);
  uint64_t done = 0;
  auto stopped = [&] { return progress && progress(WorkStep::Reread, done, paths.size()); };

  std::unordered_map<std::string, FolderFiles> folders;
  std::vector<size_t> alone;  // files to look for by themselves
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string& path = *paths[i].path;
    if (paths[i].folder) {
      if (stopped()) return false;
      platform::FileTime time;
      if (GetFolderDate(path, time, which)) times[i] = time;
      ++done;
      continue;
    }
    std::string folder = PathDirectory(path);
    if (folder.empty() || folder.size() == path.size()) {
      alone.push_back(i);
    } else {
      folders[std::move(folder)].rows.push_back(i);
    }
  }

  for (auto& [folder, files] : folders) {
    const ByName byName{paths, folder.size()};
    std::sort(files.rows.begin(), files.rows.end(), byName);
    std::vector<bool> found(files.rows.size());
    platform::DirectorySearch search(folder + "*.*");
    platform::FoundEntry entry;
    while (search.Started() && search.Next(entry)) {
      if (entry.attributes & platform::kAttrDirectory) continue;
      const auto [first, last] = std::equal_range(files.rows.begin(), files.rows.end(),
                                                  std::string_view(entry.name), byName);
      if (first != last && stopped()) return false;
      for (auto at = first; at != last; ++at) {
        times[*at] = TimeOf({entry.creation, entry.lastAccess, entry.lastWrite}, which);
        found[at - files.rows.begin()] = true;
        ++done;
      }
    }
    for (size_t k = 0; k < files.rows.size(); ++k) {
      if (!found[k]) alone.push_back(files.rows[k]);
    }
  }

  for (size_t i : alone) {
    if (stopped()) return false;
    platform::FileTime time;
    if (FileLastWriteDate(*paths[i].path, time, which)) times[i] = time;
    ++done;
  }
  return true;
}
