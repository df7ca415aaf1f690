// What the Win32 controls share among themselves: the form's window data, DPI scaling,
// menu command ids, the message loop's shortcut step and the texts between the program's
// UTF-8 and the wide calls. Every window and control is a Unicode one and gets only wide
// messages, so that its texts show right whatever the system's code page.
#pragma once

#include <windows.h>
// Must follow windows.h.
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

class MenuItem;

// Posted to a form: the status bar shows its current text.
constexpr UINT kShowStatusText = WM_APP + 1;

struct Form::Impl {
  HWND hwnd = nullptr;
  HFONT font = nullptr;
  // What the font was made from, to make it again at another DPI.
  std::string fontFace;
  int fontHeight = 0;
  int fontCharset = 0;
  bool statusTextPosted = false;
  HWND lastFocus = nullptr;  // the child that had the keyboard when the window was left
  // WM_NOTIFY and WM_COMMAND from child controls, by the sending window.
  std::map<HWND, std::function<LRESULT(NMHDR&)>> notifyHandlers;
  std::map<HWND, std::function<void(int id)>> commandHandlers;

  ~Impl();
};

namespace win32 {

HINSTANCE Instance();
int Dpi();  // the main window's logical pixels per inch (96 = 100 %): ui/win32/dpi.cpp
inline int Scale(int pixels) { return MulDiv(pixels, Dpi(), 96); }
inline HWND Hwnd(const Form& form) { return static_cast<HWND>(form.Handle()); }
// Registers the common control classes once.
void InitControls();

// Menu items are found again by their 16-bit command id.
UINT AllocateCommandId(MenuItem& item);
void ReleaseCommandId(UINT id);
void RunMenuCommand(UINT id);  // runs the item's handler, if the id is still in use
// Runs the item's handler, which may delete the item while it runs.
void RunMenuItem(MenuItem& item);

// The form that owns a window (itself or one of its children); null when none.
Form* FormOfWindow(HWND hwnd);

// The message loop's first look at a message: a key that is a menu shortcut of the form
// under it runs its item and is not dispatched. True when the message was consumed.
bool HandleShortCut(const MSG& msg);
// Shortcut step, then translate and dispatch.
void DispatchOne(MSG& msg);

// The program's UTF-8 texts and the wide calls' UTF-16 (platform/win32/wide.h).
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);
// One of the system's cursors (IDC_ARROW, IDC_WAIT: numbers dressed as names).
inline HCURSOR SystemCursor(LPCSTR id) {
  return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(id));
}
// A window's text (a control's, a dialog item's), as UTF-8.
std::string WindowText(HWND window);
// Whether a window is of the class named (as GetClassNameW gives it, case ignored).
bool IsClass(HWND window, const wchar_t* name);

// Sets the single text of a status bar in simple mode.
void ShowText(HWND bar, const std::string& text);

bool Busy();  // long work is running: the wait cursor stays

// The toolbar's images, button sizes and gaps at the present DPI.
void RescaleToolBar(ToolBar& bar);
// The status bar shows its texts: the progress, the one text, or both parts.
void ShowStatusTexts(StatusBar& bar);
// The status bar's parts follow its width.
void LayOutStatusParts(StatusBar& bar);

// ShowMessageBox over any window (a dialog of the program's own).
void ShowMessageBoxOver(HWND owner, const std::string& text, const std::string& caption,
                        BoxIcon icon, int x = -1, int y = -1);

}  // namespace win32
}  // namespace ui
