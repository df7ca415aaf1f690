// Drop handles made as the shell makes them, for tests.
#include <windows.h>
// (needs windows.h first)
#include <shlobj.h>

#include <cstring>
#include <set>

#include "platform/testing.h"

namespace platform::testing {
namespace {

struct MadeDrops {
  std::set<DropHandle> open;
  int finished = 0;
};

MadeDrops& Made() {
  static MadeDrops made;
  return made;
}

void Finished(DropHandle drop) {
  if (Made().open.erase(drop)) ++Made().finished;
}

}  // namespace

// The block the shell hands over with WM_DROPFILES: a DROPFILES header, then each path with
// its terminating zero, then one more zero.
DropHandle MakeDrop(const std::vector<std::string>& paths) {
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
  hooks::dropFinished = Finished;
  return memory;
}

int FinishedDrops() { return Made().finished; }

}  // namespace platform::testing
