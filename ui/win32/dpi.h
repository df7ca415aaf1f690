// Dots per inch of the window: declared per monitor, followed as the window moves between
// monitors.
#pragma once

#include <windows.h>

namespace ui {
class Form;
namespace win32 {

// Once, before the first window: per-monitor (v2) awareness where Windows has it (10, 1703
// on), system-DPI awareness before. The manifest declares the same; a second declaration is
// refused and harmless.
void DeclareDpiAwareness();
// The DPI the window is shown at (GetDpiForWindow from Windows 10, 1607 on; the system's
// before).
int WindowDpi(HWND hwnd);
// The DPI that Scale uses: the main window's.
void SetDpi(int dpi);
// The pixel size of the toolbar images at a DPI: 16, 24 or 32.
int ToolBarImageSize(int dpi);
// WM_DPICHANGED: fonts, columns, bars and images at the new DPI, then the window on the
// rectangle that Windows suggests.
void ChangeDpi(Form& form, int dpi, const RECT& suggested);

}  // namespace win32
}  // namespace ui
