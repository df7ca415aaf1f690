#include "entries/walk.h"

#include <optional>
#include <vector>

#include "entries/file_dates.h"
#include "entries/path_kind.h"
#include "platform/error_codes.h"

namespace {

// The walk keeps the folders on its current path, so that a folder link leading back to one
// of them is listed but not descended into (otherwise a cycle runs to the path limit). Only
// a link can close a cycle, so folder identities are read only when a link is met.
class Walk {
 public:
  Walk(CollectedPaths& list, const WorkProgress& progress, const WalkReports& reports)
      : list_(list), progress_(progress), reports_(reports) {}

  // A folder found by a search comes with the attributes the search gave: reading them again
  // by its full path may fail (a path too long), which would take it for a missing path.
  void Collect(const std::string& path, std::optional<uint32_t> found = std::nullopt) {
    const uint32_t attributes = found ? *found : ReadPathAttributes(path);
    Append({path, attributes, false, {}});
    if (stopped_ || !(attributes & platform::kAttrDirectory)) return;
    if ((attributes & platform::kAttrReparsePoint) && LeadsToAnAncestor(path)) return;
    ancestors_.push_back({path, std::nullopt, false});
    Descend(path, attributes != platform::kInvalidAttributes);
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

  // A path that could not be read at all is no folder to report: its row fails instead.
  void Descend(const std::string& path, bool read) {
    const std::string prefix = EndsWithDelimiter(path) ? path : path + platform::kPathDelimiter;
    platform::DirectorySearch search(prefix + "*.*");
    if (!search.Started()) {
      // Nothing matched (an empty drive root) is no failure.
      if (reports_.unreadable && read && search.Error() != platform::kErrorFileNotFound) {
        reports_.unreadable(path, search.Error());
      }
      return;
    }
    platform::FoundEntry entry;
    std::vector<std::string> files;
    while (!stopped_ && search.Next(entry)) {
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.attributes & platform::kAttrDirectory) {
        Collect(prefix + entry.name, entry.attributes);
      } else {
        Append({prefix + entry.name,
                entry.attributes,
                true,
                {entry.creation, entry.lastAccess, entry.lastWrite}});
        if (reports_.listed) files.push_back(std::move(entry.name));
      }
    }
    if (stopped_) return;
    if (search.Error()) {
      if (reports_.cutShort) reports_.cutShort(path, search.Error());
    } else if (reports_.listed) {
      reports_.listed(prefix, files);
    }
  }

  void Append(CollectedPath&& entry) {
    list_.push_back(std::move(entry));
    if (progress_ && progress_(WorkStep::Collect, list_.size(), 0)) stopped_ = true;
  }

  CollectedPaths& list_;
  const WorkProgress& progress_;
  const WalkReports& reports_;
  bool stopped_ = false;
  std::vector<Ancestor> ancestors_;
};

}  // namespace

void WalkPath(const std::string& path, CollectedPaths& list, const WorkProgress& progress,
              const WalkReports& reports) {
  Walk(list, progress, reports).Collect(path);
}
