#include <stdexcept>

#include "ui/application.h"
#include "ui/bars.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/win32/dpi.h"
#include "ui/win32/list_native.h"
#include "ui/win32/native.h"
// After windows.h.
#include <shellapi.h>

namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"HorodexWindow";

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

ATOM RegisterFormClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = win32::Instance();
    // Only the program carries the icon; anything else gets the system's.
    wc.hIcon = LoadIconW(win32::Instance(), L"MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = win32::SystemCursor(IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    const ATOM registered = RegisterClassW(&wc);
    if (!registered) throw std::runtime_error("RegisterClassW failed");
    return registered;
  }();
  return atom;
}

HWND ListHwnd(const Form& form) {
  ListView* list = form.GetClient();
  return list ? win32::ListNativeOf(*list).Hwnd() : nullptr;
}

void ShowContextMenu(Form& form, HWND clicked, LPARAM lParam) {
  ListView* list = form.GetClient();
  const HWND listHwnd = ListHwnd(form);
  if (!list || !list->GetPopupMenu() || !listHwnd) return;
  if (clicked != listHwnd && !IsChild(listHwnd, clicked)) return;
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {
    // From the keyboard: below the focused row, or the list's corner.
    at = {0, 0};
    int row = list->FocusedIndex();
    if (row < 0) row = list->NextSelected(-1);
    RECT rc{};
    rc.left = LVIR_LABEL;
    if (row >= 0 && SendMessageW(listHwnd, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc))) {
      at = {rc.left, rc.bottom};
    }
    ClientToScreen(listHwnd, &at);
  }
  list->GetPopupMenu()->Popup(at.x, at.y);
}

LRESULT Route(Form& form, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form::Impl& impl = form.impl();
  switch (msg) {
    case WM_SIZE:
      form.Realign();
      return 0;
    case WM_ACTIVATE:
      // Leaving: remember the control that had the keys (the list or its editor).
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        impl.lastFocus = focus && IsChild(hwnd, focus) ? focus : nullptr;
      }
      break;
    case WM_SETFOCUS: {
      // Coming back: the keys go where they went before, or to the list.
      HWND target = impl.lastFocus;
      if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsChild(hwnd, target)) {
        target = ListHwnd(form);
      }
      if (target && IsWindowVisible(target)) {
        SetFocus(target);
        return 0;
      }
      break;
    }
    case WM_CLOSE: {
      if (form.OnClose) Guarded(form.OnClose);
      const bool mainForm = Application::Instance().MainForm() == &form;
      DestroyWindow(hwnd);
      if (mainForm) Application::Instance().Terminate();
      return 0;
    }
    case WM_DESTROY:
      // The menu bar belongs to its MainMenu, which destroys it itself.
      SetMenu(hwnd, nullptr);
      break;
    case WM_SETCURSOR:
      if (win32::Busy()) {
        SetCursor(win32::SystemCursor(IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      if (form.OnDropFiles) {
        Guarded([&] { form.OnDropFiles(drop); });
      } else {
        DragFinish(drop);
      }
      return 0;
    }
    case WM_SETTINGCHANGE:
      if (Application::Instance().OnSettingChange) {
        Guarded(Application::Instance().OnSettingChange);
      }
      break;
    case WM_COMMAND:
      if (lParam == 0) {
        win32::RunMenuCommand(LOWORD(wParam));
        return 0;
      }
      if (auto it = impl.commandHandlers.find(reinterpret_cast<HWND>(lParam));
          it != impl.commandHandlers.end()) {
        auto handler = it->second;
        handler(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (auto it = impl.notifyHandlers.find(header.hwndFrom); it != impl.notifyHandlers.end()) {
        auto handler = it->second;
        return handler(header);
      }
      break;
    }
    case kShowStatusText:
      impl.statusTextPosted = false;
      if (StatusBar* bar = form.GetStatusBar()) win32::ShowStatusTexts(*bar);
      return 0;
    case WM_DPICHANGED:
      win32::ChangeDpi(form, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NOTIFYFORMAT:
      // The controls send the wide notifications (LVN_GETDISPINFOW, TTN_GETDISPINFOW...).
      return NFR_UNICODE;
    case WM_CONTEXTMENU:
      ShowContextMenu(form, reinterpret_cast<HWND>(wParam), lParam);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->impl().hwnd = hwnd;
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->impl().hwnd = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return Route(*form, hwnd, msg, wParam, lParam);
}

}  // namespace

Form::Impl::~Impl() {
  if (font) DeleteObject(font);
}

namespace win32 {

Form* FormOfWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  const HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root || GetClassLongPtrW(root, GCW_ATOM) != RegisterFormClass()) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

}  // namespace win32

Form::Form() : impl_(std::make_unique<Impl>()) {
  win32::InitControls();
  const ATOM atom = RegisterFormClass();
  const HWND hwnd =
      CreateWindowExW(0, reinterpret_cast<LPCWSTR>(MAKEINTATOM(atom)), L"",
                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, win32::Instance(), this);
  if (!hwnd) throw std::runtime_error("CreateWindowExW failed");
  // The components that follow are made at the DPI of the window's monitor.
  win32::SetDpi(win32::WindowDpi(hwnd));
  // The sharp small icon of the program, when it has one.
  if (auto small = static_cast<HICON>(
          LoadImageW(win32::Instance(), L"MAINICON", IMAGE_ICON, 16, 16, LR_SHARED))) {
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
}

Form::~Form() {
  if (Application::Instance().MainForm() == this) Application::Instance().SetMainForm(nullptr);
  if (HWND hwnd = impl_->hwnd) {
    // The components are gone already: the window only needs to go quietly.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    impl_->hwnd = nullptr;
    DestroyWindow(hwnd);
  }
}

platform::WindowHandle Form::Handle() const { return impl_->hwnd; }

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  SetWindowTextW(impl_->hwnd, win32::Wide(caption).c_str());
}

void Form::SetDesignSize(int width, int height) {
  SetWindowPos(impl_->hwnd, nullptr, 0, 0, win32::Scale(width), win32::Scale(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetFont(const std::string& face, int height, int charset) {
  HFONT font = CreateFontW(-win32::Scale(height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           static_cast<DWORD>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, win32::Wide(face).c_str());
  if (!font) throw std::runtime_error("CreateFontW failed");
  if (HWND list = ListHwnd(*this))
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (impl_->font) DeleteObject(impl_->font);
  impl_->font = font;
  impl_->fontFace = face;
  impl_->fontHeight = height;
  impl_->fontCharset = charset;
}

int Form::Dpi() const { return win32::Dpi(); }

namespace {
RECT WindowRect(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return rc;
}
void MoveTo(HWND hwnd, int left, int top, int width, int height) {
  SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

int Form::Left() const { return WindowRect(impl_->hwnd).left; }
int Form::Top() const { return WindowRect(impl_->hwnd).top; }
int Form::Width() const {
  const RECT rc = WindowRect(impl_->hwnd);
  return rc.right - rc.left;
}
int Form::Height() const {
  const RECT rc = WindowRect(impl_->hwnd);
  return rc.bottom - rc.top;
}
void Form::SetLeft(int left) { MoveTo(impl_->hwnd, left, Top(), Width(), Height()); }
void Form::SetTop(int top) { MoveTo(impl_->hwnd, Left(), top, Width(), Height()); }
void Form::SetWidth(int width) { MoveTo(impl_->hwnd, Left(), Top(), width, Height()); }
void Form::SetHeight(int height) { MoveTo(impl_->hwnd, Left(), Top(), Width(), height); }

void Form::Show(int showCommand) {
  int command = SW_SHOWNORMAL;
  if (showCommand == SW_SHOWMAXIMIZED || showCommand == SW_SHOWMINNOACTIVE) command = showCommand;
  const bool wasVisible = Visible();
  ShowWindow(impl_->hwnd, command);
  // Before the first paint, so that the window shows its state as OnShow sets it.
  if (!wasVisible && Visible() && OnShow) Guarded(OnShow);
  UpdateWindow(impl_->hwnd);
}

bool Form::Visible() const { return impl_->hwnd && IsWindowVisible(impl_->hwnd); }
bool Form::Maximized() const { return impl_->hwnd && IsZoomed(impl_->hwnd); }
bool Form::Minimized() const { return impl_->hwnd && IsIconic(impl_->hwnd); }

void Form::Close() {
  if (impl_->hwnd) SendMessageW(impl_->hwnd, WM_CLOSE, 0, 0);
}

bool Form::TitleBarOnScreen(int left, int top, int width) const {
  struct Search {
    RECT bar;
    bool found;
  } search{{left, top, left + width,
            top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER) +
                GetSystemMetrics(SM_CYCAPTION)},
           false};
  // CALLBACK: the system calls it with its own calling convention (stdcall on 32-bit Windows).
  auto visit = [](HMONITOR monitor, HDC, LPRECT, LPARAM data) CALLBACK -> BOOL {
    auto& s = *reinterpret_cast<Search*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT overlap;
    if (GetMonitorInfoW(monitor, &info) && IntersectRect(&overlap, &s.bar, &info.rcWork)) {
      s.found = true;
      return FALSE;
    }
    return TRUE;
  };
  EnumDisplayMonitors(nullptr, nullptr, visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Form::ClientSize(int& width, int& height) const {
  RECT rc{};
  if (impl_->hwnd) GetClientRect(impl_->hwnd, &rc);
  width = rc.right;
  height = rc.bottom;
}

void Form::Realign() {
  if (!impl_->hwnd) return;
  const DockLayout layout = Layout();
  if (toolBar_ && toolBar_->Visible()) {
    const int border = win32::Scale(toolBar_->BorderWidth());
    const Bounds& bar = layout.toolBar;
    MoveTo(static_cast<HWND>(toolBar_->NativeHandle()), bar.left + border, bar.top + border,
           bar.width - 2 * border, bar.height - 2 * border);
  }
  if (statusBar_ && statusBar_->Visible()) {
    const Bounds& bar = layout.statusBar;
    MoveTo(static_cast<HWND>(statusBar_->NativeHandle()), bar.left, bar.top, bar.width, bar.height);
    win32::LayOutStatusParts(*statusBar_);
  }
  if (HWND list = ListHwnd(*this)) {
    const Bounds& rest = layout.list;
    MoveTo(list, rest.left, rest.top, rest.width, rest.height);
  }
}

}  // namespace ui
