#include "ui/busy.h"

#include "ui/win32/native.h"
// After windows.h.
#include <shellapi.h>

namespace ui {

namespace {
bool busy = false;
}  // namespace

bool win32::Busy() { return busy; }

void detail::BeginBusy() {
  busy = true;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
}

void detail::EndBusy() {
  busy = false;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

bool detail::PumpWhileBusy() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageA(&msg);
  bool escape = false;
  while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) escape = true;
  }
  while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
  }
  // A drop on a busy window is refused; the shell's handle is finished all the same.
  while (PeekMessageA(&msg, nullptr, WM_DROPFILES, WM_DROPFILES, PM_REMOVE)) {
    DragFinish(reinterpret_cast<HDROP>(msg.wParam));
  }
  return escape;
}

}  // namespace ui
