#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>
#include <shlobj.h>

#include "platform/hooks.h"
#include "platform/process.h"
#include "platform/win32/wide.h"

namespace platform {

uint32_t DropCount(DropHandle drop) {
  return DragQueryFileW(static_cast<HDROP>(drop), 0xFFFFFFFFu, nullptr, 0);
}

std::string DropPath(DropHandle drop, uint32_t index) {
  const HDROP handle = static_cast<HDROP>(drop);
  const UINT length = DragQueryFileW(handle, index, nullptr, 0);
  std::wstring wide(length, L'\0');
  // The string's own terminator gives the call room for its zero.
  DragQueryFileW(handle, index, wide.data(), length + 1);
  return win32::FromWide(wide);
}

void DropFinish(DropHandle drop) {
  if (hooks::dropFinished) hooks::dropFinished(drop);
  DragFinish(static_cast<HDROP>(drop));
}

}  // namespace platform
