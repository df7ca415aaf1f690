// Test gestures as real input messages to the real controls.
#include "ui/testing.h"

#include <array>

#include "platform/testing.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/win32/list_native.h"
#include "ui/win32/native.h"

namespace ui::testing {

namespace {

bool ExtendedKey(uint16_t key) {
  switch (key) {
    case VK_DELETE:
    case VK_INSERT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return true;
  }
  return false;
}

LPARAM KeyData(uint16_t key, bool up) {
  LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
  if (ExtendedKey(key)) data |= 1 << 24;
  if (up) data |= (1u << 30) | (1u << 31);
  return data;
}

// The window that keys go to: the focused one when it belongs to the form.
HWND KeyTarget(Form& form) {
  const HWND window = win32::Hwnd(form);
  const HWND focus = GetFocus();
  if (focus && (focus == window || IsChild(window, focus))) return focus;
  return window;
}

void Click(HWND window, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
  Application::Instance().ProcessMessages();
}

POINT Centre(const RECT& rc) { return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

}  // namespace

void PressKey(Form& form, ShortCut key) {
  std::array<BYTE, 256> saved{};
  GetKeyboardState(saved.data());
  std::array<BYTE, 256> pressed = saved;
  const BYTE down = key.ctrl ? 0x80 : 0;
  pressed[VK_CONTROL] = pressed[VK_LCONTROL] = down;
  pressed[VK_SHIFT] = pressed[VK_LSHIFT] = pressed[VK_RSHIFT] = 0;
  pressed[VK_MENU] = pressed[VK_LMENU] = pressed[VK_RMENU] = 0;
  SetKeyboardState(pressed.data());
  const HWND target = KeyTarget(form);
  PostMessageW(target, WM_KEYDOWN, key.key, KeyData(key.key, false));
  PostMessageW(target, WM_KEYUP, key.key, KeyData(key.key, true));
  Application::Instance().ProcessMessages();
  SetKeyboardState(saved.data());
}

void PostKey(Form& form, ShortCut key) {
  const HWND target = KeyTarget(form);
  PostMessageW(target, WM_KEYDOWN, key.key, KeyData(key.key, false));
  PostMessageW(target, WM_KEYUP, key.key, KeyData(key.key, true));
}

void TypeText(Form& form, const std::string& text) {
  const HWND target = KeyTarget(form);
  const std::wstring wide = win32::Wide(text);
  for (size_t i = 0; i < wide.size(); ++i) {
    if (IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && win32::IsClass(target, L"Edit")) {
      // A character beyond the BMP goes in as an input method puts it: both halves at once,
      // in place of the selection.
      const std::wstring pair = wide.substr(i++, 2);
      SendMessageW(target, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pair.c_str()));
    } else {
      PostMessageW(target, WM_CHAR, wide[i], 1);
      Application::Instance().ProcessMessages();
    }
  }
  Application::Instance().ProcessMessages();
}

void ClickColumnHeader(ListView& list, int column) {
  const HWND listHwnd = win32::ListNativeOf(list).Hwnd();
  const auto header = reinterpret_cast<HWND>(SendMessageW(listHwnd, LVM_GETHEADER, 0, 0));
  RECT rc{};
  SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rc));
  Click(header, Centre(rc));
}

void ClickRow(ListView& list, int index) {
  const HWND listHwnd = win32::ListNativeOf(list).Hwnd();
  RECT rc{};
  rc.left = LVIR_LABEL;
  SendMessageW(listHwnd, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
  Click(listHwnd, Centre(rc));
}

void DropFiles(Form& form, const std::vector<std::string>& paths, bool utf8) {
  SendMessageW(win32::Hwnd(form), WM_DROPFILES,
               reinterpret_cast<WPARAM>(platform::testing::MakeDrop(paths, utf8)), 0);
}

bool Busy() { return win32::Busy() && GetCursor() == win32::SystemCursor(IDC_WAIT); }

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace ui::testing
