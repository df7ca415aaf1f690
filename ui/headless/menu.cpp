#include "ui/form.h"
#include "ui/headless/menu_native.h"
#include "ui/menu.h"

namespace ui {

MainMenu::MainMenu(Form& owner) : owner_(owner) { owner.SetMainMenu(this); }

MainMenu::~MainMenu() {
  root_.SetNative(nullptr);
  if (owner_.GetMainMenu() == this) owner_.SetMainMenu(nullptr);
}

// The menu bar takes its row of the window from the client area.
void MainMenu::Attach() {
  if (!native_) native_ = std::make_unique<headless::MenuNative>();
  root_.SetNative(native_.get());
  owner_.Realign();
}

PopupMenu::PopupMenu(Form& owner)
    : owner_(owner), native_(std::make_unique<headless::MenuNative>()) {
  root_.SetNative(native_.get());
}

PopupMenu::~PopupMenu() { root_.SetNative(nullptr); }

// Without a user to choose, the menu opens and closes again with nothing chosen.
void PopupMenu::Popup(int x, int y) {
  auto& native = static_cast<headless::MenuNative&>(*native_);
  ++native.popups;
  native.lastX = x;
  native.lastY = y;
}

}  // namespace ui
