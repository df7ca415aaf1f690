// Message boxes placed where the program asks; tests answer them through a hook.
#include <vector>

#include "ui/application.h"
#include "ui/hooks.h"
#include "ui/win32/native.h"

namespace ui {

namespace {

struct BoxRequest {
  const std::string& text;
  const std::string& caption;
  BoxIcon icon;
  int x, y;
  bool placed = false;
};

thread_local BoxRequest* current = nullptr;

void Place(HWND box, const BoxRequest& request) {
  RECT rc{};
  GetWindowRect(box, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  // An axis that is not given stays centred on the screen.
  const int left = request.x >= 0 ? request.x : (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = request.y >= 0 ? request.y : (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The box's text item: 0xFFFF on Windows (and newer Wine), 100 in older Wine.
std::string BoxText(HWND box) {
  const HWND text = GetDlgItem(box, 0xFFFF);
  return win32::WindowText(text ? text : GetDlgItem(box, 100));
}

LRESULT CALLBACK BoxHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current && !current->placed) {
    const auto box = reinterpret_cast<HWND>(wParam);
    if (win32::IsClass(box, L"#32770")) {
      current->placed = true;
      Place(box, *current);
      RECT rc{};
      GetWindowRect(box, &rc);
      // What the box itself shows: its title and its text.
      if (hooks::boxShown &&
          hooks::boxShown({win32::WindowText(box), BoxText(box), current->icon, rc.left, rc.top})) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hook lives as long as one box.
class HookGuard {
 public:
  HookGuard() : hook_(SetWindowsHookExW(WH_CBT, BoxHook, nullptr, GetCurrentThreadId())) {}
  ~HookGuard() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  HookGuard(const HookGuard&) = delete;
  HookGuard& operator=(const HookGuard&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace

void ShowMessageBox(Form* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                    int x, int y) {
  win32::ShowMessageBoxOver(owner ? win32::Hwnd(*owner) : nullptr, text, caption, icon, x, y);
}

void win32::ShowMessageBoxOver(HWND owner, const std::string& text, const std::string& caption,
                               BoxIcon icon, int x, int y) {
  BoxRequest request{text, caption, icon, x, y};
  BoxRequest* outer = current;
  current = &request;
  {
    HookGuard hook;
    const UINT iconFlag = icon == BoxIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, win32::Wide(text).c_str(),
                win32::Wide(caption).c_str(), MB_OK | iconFlag);
  }
  current = outer;
}

}  // namespace ui
