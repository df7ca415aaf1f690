// Walking named paths into the collected path list.
#include <vector>

#include "app/form1.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

namespace {

// The walk keeps the folders on its current path, so that a folder link leading back to one
// of them is listed but not descended into (otherwise a cycle runs to the path limit).
class Walk {
 public:
  explicit Walk(CollectedPaths& list) : list_(list) {}

  void Collect(const std::string& path) {
    const uint32_t attributes = ReadPathAttributes(path);
    list_.push_back({path, attributes, false, {}});
    if (!(attributes & platform::kAttrDirectory)) return;

    platform::FolderId id;
    const bool known = platform::ReadFolderId(path, id);
    if (known) {
      for (const platform::FolderId& above : ancestors_) {
        if (above == id) return;
      }
      ancestors_.push_back(id);
    }
    Descend(path);
    if (known) ancestors_.pop_back();
  }

 private:
  void Descend(const std::string& path) {
    const std::string prefix =
        EndsWithDelimiter(path) ? path : path + platform::kPathDelimiter;
    platform::DirectorySearch search(prefix + "*.*");
    if (!search.Started()) return;
    platform::FoundEntry entry;
    while (search.Next(entry)) {
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.attributes & platform::kAttrDirectory) {
        Collect(prefix + entry.name);
      } else {
        list_.push_back({prefix + entry.name, entry.attributes, true, entry.lastWrite});
      }
    }
  }

  CollectedPaths& list_;
  std::vector<platform::FolderId> ancestors_;
};

}  // namespace

void TForm1::CollectPath(const std::string& path, CollectedPaths& list) { Walk(list).Collect(path); }
