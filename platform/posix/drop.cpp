// Drop handles: the paths of one drop, queried as DragQueryFileA answers.
#include "platform/posix/drop.h"

#include <algorithm>
#include <cstring>

#include "platform/hooks.h"
#include "platform/posix/file_info.h"
#include "platform/process.h"

namespace platform {

using posix::Drop;

uint32_t DropQueryFile(DropHandle drop, uint32_t index, char* buffer, uint32_t size) {
  if (!drop) return 0;
  const std::vector<std::string>& paths = static_cast<Drop*>(drop)->paths;
  if (index == 0xFFFFFFFFu) return static_cast<uint32_t>(paths.size());
  if (index >= paths.size()) return 0;
  const std::string& path = paths[index];
  if (!buffer || size == 0) return static_cast<uint32_t>(path.size());
  uint32_t copied = std::min(static_cast<uint32_t>(path.size()), size - 1);
  std::memcpy(buffer, path.data(), copied);
  buffer[copied] = '\0';
  return copied;
}

bool DropPath(DropHandle drop, uint32_t index, std::string& path) {
  const std::vector<std::string>& paths = static_cast<Drop*>(drop)->paths;
  path = index < paths.size() ? paths[index] : std::string();
  return posix::ToCodePage(path);
}

void DropFinish(DropHandle drop) {
  if (!drop) return;
  if (hooks::dropFinished) hooks::dropFinished(drop);
  delete static_cast<Drop*>(drop);
}

}  // namespace platform
