// The native side of a menu tree in memory: there is no menu to build, so it only keeps
// what was asked of it.
#pragma once

#include "ui/menu.h"

namespace ui::headless {

class MenuNative : public detail::MenuNative {
 public:
  void ItemChanged(MenuItem&) override { ++changes; }
  void ChildInserted(MenuItem&, int) override { ++changes; }
  void ChildRemoving(MenuItem&, int) override { ++changes; }

  int changes = 0;
  // Pop-up menus: how often the menu opened, and where it opened last.
  int popups = 0;
  int lastX = 0, lastY = 0;
};

}  // namespace ui::headless
