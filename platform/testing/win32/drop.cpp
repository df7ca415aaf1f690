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
// Wide names are UTF-16, made from UTF-8.
DropHandle MakeDrop(const std::vector<std::string>& paths, bool utf8) {
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
  hooks::dropFinished = Finished;
  return memory;
}

int FinishedDrops() { return Made().finished; }

}  // namespace platform::testing
