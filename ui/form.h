// A top-level window that arranges a toolbar (top), a status bar (bottom) and a list (rest).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/process.h"
#include "ui/shortcut.h"

namespace ui {

class ListView;
class MainMenu;
class PopupMenu;
class StatusBar;
class ToolBar;

// A rectangle in client coordinates.
struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Bounds&) const = default;
};

// Where the docked components of a form go.
struct DockLayout {
  Bounds toolBar, statusBar, list;
};
// The toolbar across the top of a client area of this size, the status bar across its bottom
// and the list between them; a bar of height 0 is not shown. The list is never less than 0
// high; the bars keep their heights even when the area is smaller.
DockLayout LayOutDocks(int clientWidth, int clientHeight, int toolBarHeight, int statusBarHeight);

class Form {
 public:
  Form();  // the window exists, hidden, at the system's default position
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return caption_; }
  // The outer size at 96 dots per inch; the window gets it scaled to the system DPI.
  void SetDesignSize(int width, int height);
  // The font of the form and its controls: face name, character height in pixels at 96 dpi,
  // character set (128 = Shift-JIS).
  void SetFont(const std::string& face, int height, int charset);

  // The DPI the window is shown at (96 = 100 %); it follows the window's monitor.
  int Dpi() const;
  // Outer bounds in screen pixels.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  // Whether a window at these outer bounds would show some of its title bar on the work area
  // of a monitor, where the user can reach it.
  bool TitleBarOnScreen(int left, int top, int width) const;

  // Shows the window with a Win32 show command (SW_SHOWNORMAL 1, SW_SHOWMAXIMIZED 3,
  // SW_SHOWMINNOACTIVE 7...); OnShow runs when the window becomes visible.
  void Show(int showCommand);
  bool Visible() const;
  bool Maximized() const;
  bool Minimized() const;
  // Asks the window to close, as its close button does: OnClose runs, the window goes and,
  // for the application's main form, the application terminates.
  void Close();

  platform::WindowHandle Handle() const;

  // The components it arranges, set by their constructors.
  void SetMainMenu(MainMenu* menu) { mainMenu_ = menu; }
  void SetToolBar(ToolBar* bar) { toolBar_ = bar; }
  void SetStatusBar(StatusBar* bar) { statusBar_ = bar; }
  void SetClient(ListView* list) { client_ = list; }
  MainMenu* GetMainMenu() const { return mainMenu_; }
  ToolBar* GetToolBar() const { return toolBar_; }
  StatusBar* GetStatusBar() const { return statusBar_; }
  ListView* GetClient() const { return client_; }
  // Lays the components out again (after one was shown or hidden, or a resize).
  void Realign();
  // The client-area rectangle that the list fills: left, top, width, height.
  void ClientRect(int& left, int& top, int& width, int& height) const;

  // A key pressed in the window: runs the menu item whose shortcut it is (main menu first,
  // then the list's context menu) and says whether one ran.
  bool IsShortCut(ShortCut shortcut);

  std::function<void()> OnShow;
  std::function<void()> OnClose;
  std::function<void(platform::DropHandle drop)> OnDropFiles;  // WM_DROPFILES

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  void ClientSize(int& width, int& height) const;  // of the window's client area, now
  DockLayout Layout() const;                       // of the components shown, in that area

  std::string caption_;
  MainMenu* mainMenu_ = nullptr;
  ToolBar* toolBar_ = nullptr;
  StatusBar* statusBar_ = nullptr;
  ListView* client_ = nullptr;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ui
