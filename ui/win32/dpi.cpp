#include "ui/win32/dpi.h"

#include "ui/bars.h"
#include "ui/list_view.h"
#include "ui/win32/list_native.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

int systemDpi = 0;
int currentDpi = 0;

// Functions that older Windows lack, looked up by name.
template <typename F>
F Lookup(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (!handle) handle = LoadLibraryW(module);
  return handle ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
                : nullptr;
}

int SystemDpi() {
  if (systemDpi == 0) {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    systemDpi = value > 0 ? value : 96;
  }
  return systemDpi;
}

}  // namespace

void DeclareDpiAwareness() {
  using Context = BOOL(WINAPI*)(HANDLE);
  using Awareness = HRESULT(WINAPI*)(int);
  using Aware = BOOL(WINAPI*)();
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-4));
  if (auto set = Lookup<Context>(L"user32.dll", "SetProcessDpiAwarenessContext");
      set && set(perMonitorV2)) {
    return;
  }
  // Windows 8.1: PROCESS_SYSTEM_DPI_AWARE, as per-monitor awareness before v2 leaves the
  // menus and frames unscaled.
  if (auto set = Lookup<Awareness>(L"shcore.dll", "SetProcessDpiAwareness"); set && set(1) == S_OK)
    return;
  if (auto set = Lookup<Aware>(L"user32.dll", "SetProcessDPIAware")) set();
}

int WindowDpi(HWND hwnd) {
  using ForWindow = UINT(WINAPI*)(HWND);
  static const auto forWindow = Lookup<ForWindow>(L"user32.dll", "GetDpiForWindow");
  const int dpi = forWindow && hwnd ? static_cast<int>(forWindow(hwnd)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int Dpi() { return currentDpi > 0 ? currentDpi : SystemDpi(); }

void SetDpi(int dpi) { currentDpi = dpi; }

int ToolBarImageSize(int dpi) { return dpi >= 192 ? 32 : dpi >= 144 ? 24 : 16; }

void ChangeDpi(Form& form, int dpi, const RECT& suggested) {
  const int old = Dpi();
  SetDpi(dpi);
  if (dpi != old) {
    Form::Impl& impl = form.impl();
    if (!impl.fontFace.empty()) form.SetFont(impl.fontFace, impl.fontHeight, impl.fontCharset);
    if (ListView* list = form.GetClient()) {
      const HWND hwnd = ListNativeOf(*list).Hwnd();
      for (int i = 0; i < list->ColumnCount(); ++i) {
        const int width = static_cast<int>(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, i, 0));
        SendMessageW(hwnd, LVM_SETCOLUMNWIDTH, i, MulDiv(width, dpi, old));
      }
    }
    if (ToolBar* bar = form.GetToolBar()) RescaleToolBar(*bar);
  }
  SetWindowPos(static_cast<HWND>(form.Handle()), nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  form.Realign();
}

}  // namespace ui::win32
