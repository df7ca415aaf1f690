// Menu items, the main menu and pop-up menus.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/shortcut.h"

namespace ui {

class Form;
class MenuItem;

namespace detail {
// The native side of a menu tree, made by each build's MainMenu and PopupMenu. Every item
// of an attached tree points to it; the shared MenuItem code tells it of each change.
struct MenuNative {
  virtual ~MenuNative() = default;
  virtual void ItemChanged(MenuItem& item) = 0;  // caption, shortcut, mark, radio or enabled
  virtual void ChildInserted(MenuItem& parent, int index) = 0;
  virtual void ChildRemoving(MenuItem& parent, int index) = 0;  // before it goes
};
}  // namespace detail

// One menu item. An item with children is a submenu. A caption of "-" makes a separator.
// Changes to a shown menu reach the native menu at once; setting a value that is already
// set does nothing (no native call), so handlers may set states freely.
class MenuItem {
 public:
  MenuItem();
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  ShortCut GetShortCut() const { return shortcut_; }
  void SetShortCut(ShortCut shortcut);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // A radio item shows its check mark as a dot: one of a group of which one is checked.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // The first character of the caption as the item's access key: shown underlined, while
  // every other character, an ampersand included, is shown as it stands.
  bool AccessKeyFirst() const { return accessKeyFirst_; }
  void SetAccessKeyFirst(bool on);

  // What choosing the item runs.
  std::function<void(MenuItem& sender)> OnClick;
  // Runs OnClick as choosing the item does; an exception goes to the application error box.
  // Items removed while a click runs (the clicked one among them) last until it returns.
  void Click();

  // Children.
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem& Item(int index) const { return *items_.at(index); }
  MenuItem* Parent() const { return parent_; }
  int IndexInParent() const;
  MenuItem& Add(std::unique_ptr<MenuItem> item);  // appends; returns the item
  MenuItem& Insert(int index, std::unique_ptr<MenuItem> item);
  void Delete(int index);  // removes and discards the child

  // The item whose shortcut this is, searched depth-first, skipping disabled items and
  // everything inside a disabled submenu; null when none.
  MenuItem* FindShortCut(ShortCut shortcut);

  // The native side of the tree; null until the menu is attached. SetNative sets it on this
  // item and every item beneath it (for the ui implementation).
  detail::MenuNative* Native() const { return native_; }
  void SetNative(detail::MenuNative* native);
  // Per-build data of the native side (command id, submenu handle...).
  intptr_t nativeId = 0;
  void* nativeMenu = nullptr;

 private:
  std::string caption_;
  ShortCut shortcut_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool enabled_ = true;
  bool accessKeyFirst_ = false;
  int tag_ = 0;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
  detail::MenuNative* native_ = nullptr;
};

// The menu bar of a form. Its top-level items are Items().
class MainMenu {
 public:
  explicit MainMenu(Form& owner);
  ~MainMenu();
  MenuItem& Items() { return root_; }
  // Builds the native menu bar and attaches it to the owner window; later changes follow.
  void Attach();

 private:
  Form& owner_;
  MenuItem root_;
  std::unique_ptr<detail::MenuNative> native_;
};

// A context or drop-down menu.
class PopupMenu {
 public:
  explicit PopupMenu(Form& owner);
  ~PopupMenu();
  MenuItem& Items() { return root_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // Shows the menu at a screen point and runs the chosen item (modal).
  void Popup(int x, int y);

 private:
  [[maybe_unused]] Form& owner_;  // the Win32 menu pops up over it; headless needs none
  MenuItem root_;
  int tag_ = 0;
  std::unique_ptr<detail::MenuNative> native_;
};

}  // namespace ui
