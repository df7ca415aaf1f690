// Files and folders dropped on the window.
#include "app/form1.h"

namespace {

constexpr uint32_t kCountQuery = 0xFFFFFFFFu;

// The shell's drop handle is finished on every way out, before an error is shown.
class FinishDrop {
 public:
  explicit FinishDrop(platform::DropHandle drop) : drop_(drop) {}
  ~FinishDrop() { platform::DropFinish(drop_); }
  FinishDrop(const FinishDrop&) = delete;
  FinishDrop& operator=(const FinishDrop&) = delete;

 private:
  platform::DropHandle drop_;
};

}  // namespace

void TForm1::WMDropFiles(TWMDropFiles& message) {
  const platform::DropHandle drop = message.Drop;
  CollectedPaths list;
  FinishDrop finish(drop);
  LongWork work(*this);
  walkTrouble_ = {};
  const uint32_t count = platform::DropQueryFile(drop, kCountQuery, nullptr, 0);
  for (uint32_t i = 0; i < count && !work.Stopped(); ++i) {
    std::string path;
    if (platform::DropPath(drop, i, path)) {
      CollectPath(path, list);
    } else {
      walkTrouble_.unnamable.push_back(path);
    }
  }
  AddCollectedRows(ListView1, list);
  ShowWalkTrouble();
}
