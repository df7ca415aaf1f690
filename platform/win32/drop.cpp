#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <set>

#include "platform/process.h"

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

void DropFinish(DropHandle drop) {
  if (Made().open.erase(drop)) ++Made().finished;
  DragFinish(static_cast<HDROP>(drop));
}

// The block the shell hands over with WM_DROPFILES: a DROPFILES header, then each path with
// its terminating zero, then one more zero.
DropHandle testing::MakeDrop(const std::vector<std::string>& paths) {
  size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory) return nullptr;
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* text = reinterpret_cast<char*>(header + 1);
  for (const std::string& path : paths) {
    std::memcpy(text, path.c_str(), path.size() + 1);
    text += path.size() + 1;
  }
  GlobalUnlock(memory);
  Made().open.insert(memory);
  return memory;
}

int testing::FinishedDrops() { return Made().finished; }

}  // namespace platform
