// Drop handles: the paths of one drop.
#include "platform/posix/drop.h"

#include "platform/hooks.h"
#include "platform/process.h"

namespace platform {

using posix::Drop;

uint32_t DropCount(DropHandle drop) {
  return drop ? static_cast<uint32_t>(static_cast<Drop*>(drop)->paths.size()) : 0;
}

std::string DropPath(DropHandle drop, uint32_t index) {
  const std::vector<std::string>& paths = static_cast<Drop*>(drop)->paths;
  return index < paths.size() ? paths[index] : std::string();
}

void DropFinish(DropHandle drop) {
  if (!drop) return;
  if (hooks::dropFinished) hooks::dropFinished(drop);
  delete static_cast<Drop*>(drop);
}

}  // namespace platform
