// What both builds of the form share: where its components go, and its shortcuts.
#include "ui/form.h"

#include <algorithm>

#include "ui/bars.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace ui {

DockLayout LayOutDocks(int clientWidth, int clientHeight, int toolBarHeight, int statusBarHeight) {
  DockLayout layout;
  layout.toolBar = {0, 0, clientWidth, toolBarHeight};
  const int bottom = clientHeight - statusBarHeight;
  layout.statusBar = {0, bottom, clientWidth, statusBarHeight};
  layout.list = {0, toolBarHeight, clientWidth, std::max(0, bottom - toolBarHeight)};
  return layout;
}

DockLayout Form::Layout() const {
  int width = 0, height = 0;
  ClientSize(width, height);
  return LayOutDocks(width, height, toolBar_ && toolBar_->Visible() ? toolBar_->Height() : 0,
                     statusBar_ && statusBar_->Visible() ? statusBar_->Height() : 0);
}

void Form::ClientRect(int& left, int& top, int& width, int& height) const {
  const Bounds list = Layout().list;
  left = list.left;
  top = list.top;
  width = list.width;
  height = list.height;
}

bool Form::IsShortCut(ShortCut shortcut) {
  MenuItem* item = mainMenu_ ? mainMenu_->Items().FindShortCut(shortcut) : nullptr;
  if (!item && client_ && client_->GetPopupMenu()) {
    item = client_->GetPopupMenu()->Items().FindShortCut(shortcut);
  }
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui
