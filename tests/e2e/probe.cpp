// What the end-to-end scenarios wait for in the running horodex.exe: prints
// "rows=N editing=0|1" (the rows its list holds, and whether a row's date is being edited)
// once the window's thread has come back to its message loop. A busy window (a walk, a load,
// a stamp run) takes paint messages alone and throws keys away: a key pressed then is lost.
// Exits with 1 while there is no window, or while it stays busy.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>

namespace {

// A list that does not track the pointer never uses its hover time: a value posted to it is
// taken only by the message loop, and read back shows that the loop has taken it. A mark is
// tagged in its high byte, so that it is never taken for the list's own value.
constexpr DWORD kMarkTag = 0x7E000000;

bool Ask(HWND window, UINT message, DWORD_PTR& reply) {
  return SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, 5000, &reply) != 0;
}

}  // namespace

int main() {
  const HWND form = FindWindowW(L"HorodexWindow", nullptr);
  const HWND list = form ? FindWindowExW(form, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  DWORD_PTR hover = 0, reply = 0;
  if (!list || !Ask(list, LVM_GETHOVERTIME, hover)) return 1;
  // A mark left by an earlier probe hides the list's own value, which it never changes.
  if ((hover & 0xFF000000) == kMarkTag) hover = HOVER_DEFAULT;
  const DWORD mark = kMarkTag | (GetTickCount() & 0xFFFFFF);
  if (!PostMessageW(list, LVM_SETHOVERTIME, 0, mark)) return 1;
  for (const DWORD start = GetTickCount();;) {
    if (!Ask(list, LVM_GETHOVERTIME, reply)) return 1;
    if (reply == mark) break;
    if (GetTickCount() - start > 2000) return 1;  // busy still: asked again later
    Sleep(20);
  }
  PostMessageW(list, LVM_SETHOVERTIME, 0, static_cast<LPARAM>(hover));
  DWORD_PTR rows = 0, editor = 0;
  if (!Ask(list, LVM_GETITEMCOUNT, rows) || !Ask(list, LVM_GETEDITCONTROL, editor)) return 1;
  std::printf("rows=%u editing=%d\n", static_cast<unsigned>(rows), editor != 0 ? 1 : 0);
  return 0;
}
