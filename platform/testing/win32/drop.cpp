// Drop handles made as the shell makes them, for tests.
#include <windows.h>
// (needs windows.h first)
#include <shlobj.h>

#include <cstring>
#include <set>

#include "platform/code_page.h"
#include "platform/testing.h"
#include "platform/win32/wide.h"

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
// its terminating zero, then one more zero. The paths are UTF-8: as wide names, or with
// `utf8` false in the ANSI code page, as older programs hand them over.
DropHandle MakeDrop(const std::vector<std::string>& paths, bool utf8) {
  std::vector<std::string> names;
  for (const std::string& path : paths) {
    if (!utf8) {
      std::string bytes;
      platform::Utf8ToAnsi(path, bytes);
      names.push_back(std::move(bytes));
      continue;
    }
    const std::wstring wide = win32::ToWide(path);
    names.emplace_back(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
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
