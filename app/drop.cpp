// Files and folders dropped on the window.
#include "app/form1.h"

namespace {

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
  const uint32_t count = platform::DropCount(drop);
  for (uint32_t i = 0; i < count && !work.Stopped(); ++i)
    CollectPath(platform::DropPath(drop, i), list);
  AddCollectedRows(ListView1, list);
  ShowWalkTrouble();
}
