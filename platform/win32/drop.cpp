#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>
#include <shlobj.h>

#include "platform/hooks.h"
#include "platform/process.h"
#include "platform/win32/wide.h"

namespace platform {

uint32_t DropQueryFile(DropHandle drop, uint32_t index, char* buffer, uint32_t size) {
  return DragQueryFileA(static_cast<HDROP>(drop), index, buffer, size);
}

bool DropPath(DropHandle drop, uint32_t index, std::string& path) {
  const HDROP handle = static_cast<HDROP>(drop);
  const UINT length = DragQueryFileW(handle, index, nullptr, 0);
  std::wstring wide(length, L'\0');
  // The string's own terminator gives the call room for its zero.
  DragQueryFileW(handle, index, wide.data(), length + 1);
  return win32::CodePagePath(wide, path);
}

void DropFinish(DropHandle drop) {
  if (hooks::dropFinished) hooks::dropFinished(drop);
  DragFinish(static_cast<HDROP>(drop));
}

}  // namespace platform
