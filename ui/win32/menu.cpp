// Native menus that follow their MenuItem trees entry by entry.
#include <stdexcept>
#include <unordered_map>

#include "ui/application.h"
#include "ui/menu.h"
#include "ui/win32/native.h"

namespace ui {

namespace {

// Command ids are 16 bits in WM_COMMAND; ids of removed items are used again.
constexpr UINT kFirstId = 1;
constexpr UINT kLastId = 0xEFFF;
std::unordered_map<UINT, MenuItem*> itemsById;
UINT nextId = kFirstId;

// The caption as the menu shows it: "&" marks the access key.
std::string ShownCaption(const MenuItem& item) {
  if (!item.AccessKeyFirst() || item.Caption().empty()) return item.Caption();
  std::string shown = "&";
  for (char c : item.Caption()) {
    shown += c;
    if (c == '&') shown += '&';  // a plain ampersand (no byte of a UTF-8 character is '&')
  }
  return shown;
}

std::string EntryText(const MenuItem& item) {
  if (item.GetShortCut().Empty()) return ShownCaption(item);
  return ShownCaption(item) + "\t" + ShortCutText(item.GetShortCut());
}

// Describes an item's look; text must outlive the call that uses the result.
MENUITEMINFOW Describe(const MenuItem& item, std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  if (item.Caption() == "-") {
    info.fType = MFT_SEPARATOR;
  } else {
    text = win32::Wide(EntryText(item));
    info.fMask |= MIIM_STRING;
    info.fType = item.RadioItem() ? MFT_STRING | MFT_RADIOCHECK : MFT_STRING;
    info.dwTypeData = text.data();
  }
  info.fState =
      (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED) | (item.Enabled() ? MFS_ENABLED : MFS_GRAYED);
  return info;
}

void ReleaseIds(MenuItem& item) {
  if (item.nativeId) win32::ReleaseCommandId(static_cast<UINT>(item.nativeId));
  item.nativeId = 0;
  item.nativeMenu = nullptr;
  for (int i = 0; i < item.Count(); ++i) ReleaseIds(item.Item(i));
}

HMENU MenuOf(const MenuItem& item) { return static_cast<HMENU>(item.nativeMenu); }

// One native menu (a menu bar or a pop-up) mirroring the tree under root.
class MenuTree final : public detail::MenuNative {
 public:
  MenuTree(MenuItem& root, bool bar) : root_(root) {
    root.nativeMenu = bar ? CreateMenu() : CreatePopupMenu();
    if (!root.nativeMenu) throw std::runtime_error("CreateMenu failed");
    for (int i = 0; i < root.Count(); ++i) InsertEntry(MenuOf(root), i, root.Item(i));
    root.SetNative(this);
  }

  ~MenuTree() override {
    const HMENU menu = MenuOf(root_);
    root_.SetNative(nullptr);
    ReleaseIds(root_);
    DestroyMenu(menu);  // and every submenu in it
  }

  HMENU Handle() const { return MenuOf(root_); }
  void SetWindow(HWND window) { window_ = window; }

  void ItemChanged(MenuItem& item) override {
    std::wstring text;
    MENUITEMINFOW info = Describe(item, text);
    SetMenuItemInfoW(MenuOf(*item.Parent()), item.IndexInParent(), TRUE, &info);
    BarChanged(*item.Parent());
  }

  void ChildInserted(MenuItem& parent, int index) override {
    if (!parent.nativeMenu) {
      // A plain item becomes a submenu.
      parent.nativeMenu = CreatePopupMenu();
      SetSubmenu(parent, MenuOf(parent));
    }
    InsertEntry(MenuOf(parent), index, parent.Item(index));
    BarChanged(parent);
  }

  void ChildRemoving(MenuItem& parent, int index) override {
    ReleaseIds(parent.Item(index));
    DeleteMenu(MenuOf(parent), index, MF_BYPOSITION);
    if (&parent != &root_ && parent.Count() == 1) {
      // Its last child goes: a submenu without entries becomes a plain item again.
      const HMENU empty = MenuOf(parent);
      parent.nativeMenu = nullptr;
      SetSubmenu(parent, nullptr);
      DestroyMenu(empty);
    }
    BarChanged(parent);
  }

 private:
  void InsertEntry(HMENU menu, int position, MenuItem& item) {
    if (!item.nativeId) item.nativeId = win32::AllocateCommandId(item);
    item.nativeMenu = nullptr;
    if (item.Count() > 0) {
      item.nativeMenu = CreatePopupMenu();
      for (int i = 0; i < item.Count(); ++i) InsertEntry(MenuOf(item), i, item.Item(i));
    }
    std::wstring text;
    MENUITEMINFOW info = Describe(item, text);
    info.fMask |= MIIM_ID | MIIM_SUBMENU;
    info.wID = static_cast<UINT>(item.nativeId);
    info.hSubMenu = MenuOf(item);
    InsertMenuItemW(menu, position, TRUE, &info);
  }

  void SetSubmenu(MenuItem& item, HMENU submenu) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = submenu;
    SetMenuItemInfoW(MenuOf(*item.Parent()), item.IndexInParent(), TRUE, &info);
  }

  // The menu bar is drawn by the window: it repaints only when asked.
  void BarChanged(const MenuItem& parent) {
    if (&parent == &root_ && window_) DrawMenuBar(window_);
  }

  MenuItem& root_;
  HWND window_ = nullptr;
};

}  // namespace

namespace win32 {

UINT AllocateCommandId(MenuItem& item) {
  for (UINT tried = 0; tried <= kLastId - kFirstId; ++tried) {
    const UINT id = nextId;
    nextId = nextId == kLastId ? kFirstId : nextId + 1;
    if (itemsById.emplace(id, &item).second) return id;
  }
  throw std::runtime_error("no free menu command id");
}

void ReleaseCommandId(UINT id) { itemsById.erase(id); }

void RunMenuItem(MenuItem& item) { item.Click(); }

void RunMenuCommand(UINT id) {
  auto it = itemsById.find(id);
  if (it == itemsById.end() || !it->second->Enabled()) return;
  RunMenuItem(*it->second);
}

}  // namespace win32

MainMenu::MainMenu(Form& owner) : owner_(owner) { owner.SetMainMenu(this); }

MainMenu::~MainMenu() {
  if (native_) {
    const HWND window = win32::Hwnd(owner_);
    if (window && GetMenu(window) == static_cast<MenuTree&>(*native_).Handle()) {
      SetMenu(window, nullptr);
    }
  }
  if (owner_.GetMainMenu() == this) owner_.SetMainMenu(nullptr);
}

void MainMenu::Attach() {
  if (!native_) native_ = std::make_unique<MenuTree>(root_, true);
  auto& tree = static_cast<MenuTree&>(*native_);
  tree.SetWindow(win32::Hwnd(owner_));
  SetMenu(win32::Hwnd(owner_), tree.Handle());
}

PopupMenu::PopupMenu(Form& owner)
    : owner_(owner), native_(std::make_unique<MenuTree>(root_, false)) {}

PopupMenu::~PopupMenu() = default;

void PopupMenu::Popup(int x, int y) {
  if (root_.Count() == 0) return;
  const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  const auto id = static_cast<UINT>(TrackPopupMenu(static_cast<MenuTree&>(*native_).Handle(), flags,
                                                   x, y, 0, win32::Hwnd(owner_), nullptr));
  if (id) win32::RunMenuCommand(id);
}

}  // namespace ui
