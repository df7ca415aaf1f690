#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>
#include <shlobj.h>

#include "platform/hooks.h"
#include "platform/process.h"

namespace platform {

uint32_t DropQueryFile(DropHandle drop, uint32_t index, char* buffer, uint32_t size) {
  return DragQueryFileA(static_cast<HDROP>(drop), index, buffer, size);
}

void DropFinish(DropHandle drop) {
  if (hooks::dropFinished) hooks::dropFinished(drop);
  DragFinish(static_cast<HDROP>(drop));
}

}  // namespace platform
