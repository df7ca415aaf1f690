// Walking named paths into the collected path list.
#include <functional>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

namespace {

// The walk keeps the folders on its current path, so that a folder link leading back to one
// of them is listed but not descended into (otherwise a cycle runs to the path limit). Only
// a link can close a cycle, so folder identities are read only when a link is met.
class Walk {
 public:
  // `stop` hears of every path collected and may end the walk there.
  Walk(CollectedPaths& list, std::function<bool(size_t collected)> stop)
      : list_(list), stop_(std::move(stop)) {}

  void Collect(const std::string& path) {
    const uint32_t attributes = ReadPathAttributes(path);
    Append({path, attributes, false, {}});
    if (stopped_ || !(attributes & platform::kAttrDirectory)) return;
    if ((attributes & platform::kAttrReparsePoint) && LeadsToAnAncestor(path)) return;
    ancestors_.push_back({path, std::nullopt, false});
    Descend(path);
    ancestors_.pop_back();
  }

 private:
  struct Ancestor {
    std::string path;
    std::optional<platform::FolderId> id;
    bool read;
  };

  bool LeadsToAnAncestor(const std::string& path) {
    platform::FolderId id;
    if (!platform::ReadFolderId(path, id)) return false;
    for (Ancestor& above : ancestors_) {
      if (!above.read) {
        platform::FolderId aboveId;
        if (platform::ReadFolderId(above.path, aboveId)) above.id = aboveId;
        above.read = true;
      }
      if (above.id == id) return true;
    }
    return false;
  }

  void Descend(const std::string& path) {
    const std::string prefix = EndsWithDelimiter(path) ? path : path + platform::kPathDelimiter;
    platform::DirectorySearch search(prefix + "*.*");
    if (!search.Started()) return;
    platform::FoundEntry entry;
    while (!stopped_ && search.Next(entry)) {
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.attributes & platform::kAttrDirectory) {
        Collect(prefix + entry.name);
      } else {
        Append({prefix + entry.name, entry.attributes, true, entry.lastWrite});
      }
    }
  }

  void Append(CollectedPath&& entry) {
    list_.push_back(std::move(entry));
    if (stop_(list_.size())) stopped_ = true;
  }

  CollectedPaths& list_;
  std::function<bool(size_t)> stop_;
  bool stopped_ = false;
  std::vector<Ancestor> ancestors_;
};

}  // namespace

void TForm1::CollectPath(const std::string& path, CollectedPaths& list) {
  Walk(list, [this](size_t collected) {
    return Progress(WorkStep::Collect, collected);
  }).Collect(path);
}
