#include "ui/win32/native.h"

#include "ui/menu.h"
#include "ui/win32/dpi.h"

namespace ui::win32 {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

void InitControls() {
  static const bool done = [] {
    DeclareDpiAwareness();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

bool HandleShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  // Shortcuts are the bare key or the key with Ctrl; Shift or Alt make another key.
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return false;
  Form* form = FormOfWindow(msg.hwnd);
  if (!form) return false;
  const ShortCut shortcut{static_cast<uint16_t>(msg.wParam), GetKeyState(VK_CONTROL) < 0};
  return form->IsShortCut(shortcut);
}

void DispatchOne(MSG& msg) {
  if (HandleShortCut(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

}  // namespace ui::win32
