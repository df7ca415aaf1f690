#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <set>

#include "platform/process.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

struct MadeDrops {
  std::set<DropHandle> open;
  int finished = 0;
};

MadeDrops& Made() {
  static MadeDrops made;
  return made;
}

}  // namespace

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
  if (Made().open.erase(drop)) ++Made().finished;
  DragFinish(static_cast<HDROP>(drop));
}

// The block the shell hands over with WM_DROPFILES: a DROPFILES header, then each path with
// its terminating zero, then one more zero.
// Wide names are UTF-16, made from UTF-8.
DropHandle testing::MakeDrop(const std::vector<std::string>& paths, bool utf8) {
  std::vector<std::string> names;
  for (const std::string& path : paths) {
    if (!utf8) {
      names.push_back(path);
      continue;
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::string wide(length * sizeof(wchar_t), '\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), length);
    names.push_back(std::move(wide));
  }
  const size_t unit = utf8 ? sizeof(wchar_t) : 1;
  size_t size = sizeof(DROPFILES) + unit;
  for (const std::string& name : names) size += name.size() + unit;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory) return nullptr;
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = utf8;
  char* text = reinterpret_cast<char*>(header + 1);
  for (const std::string& name : names) {
    std::memcpy(text, name.data(), name.size());  // the zeroed block gives the terminator
    text += name.size() + unit;
  }
  GlobalUnlock(memory);
  Made().open.insert(memory);
  return memory;
}

int testing::FinishedDrops() { return Made().finished; }

}  // namespace platform
