#include "ui/win32/native.h"

#include "platform/win32/wide.h"
#include "ui/menu.h"
#include "ui/win32/dpi.h"

namespace ui::win32 {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

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
  DispatchMessageW(&msg);
}

std::wstring Wide(std::string_view text) { return platform::win32::ToWide(text); }
std::string Narrow(std::wstring_view text) { return platform::win32::FromWide(text); }

std::string WindowText(HWND window) {
  if (!window) return {};
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return Narrow(text);
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  return lstrcmpiW(className, name) == 0;
}

}  // namespace ui::win32
