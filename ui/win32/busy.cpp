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
  SetCursor(win32::SystemCursor(IDC_WAIT));
}

void detail::EndBusy() {
  busy = false;
  SetCursor(win32::SystemCursor(IDC_ARROW));
}

bool detail::PumpWhileBusy() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&msg);
  bool escape = false;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) escape = true;
  }
  while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
  }
  // A drop on a busy window is refused; the shell's handle is finished all the same.
  while (PeekMessageW(&msg, nullptr, WM_DROPFILES, WM_DROPFILES, PM_REMOVE)) {
    DragFinish(reinterpret_cast<HDROP>(msg.wParam));
  }
  return escape;
}

}  // namespace ui
