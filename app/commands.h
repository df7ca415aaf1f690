// The window's commands as data. Each command is described once (caption, shortcut,
// handler, toolbar hint and image, when it applies); the tables place them in the main menu,
// the context menu and the toolbar. BuildLayout makes the items and buttons from the tables
// and UpdateCommands enables each by its command's rule, so that a command's twins in the
// menu, the context menu and the toolbar never disagree.
#pragma once

#include <span>

#include "ui/shortcut.h"

class TForm1;
namespace ui {
class MenuItem;
class PopupMenu;
class ToolButton;
}  // namespace ui

// When a command applies. Items and buttons of a command that does not apply are disabled,
// and so are their shortcuts.
enum class Enabling {
  Always,         // never disabled
  WithRows,       // while the list has rows
  WithSelection,  // while rows are selected
  Own,            // while the command's own predicate holds
};

struct Command {
  const char* caption = nullptr;  // of its menu items
  ui::ShortCut shortcut = {};
  void (TForm1::*handler)() = nullptr;  // null for a submenu
  Enabling enabling = Enabling::Always;
  bool (TForm1::*applies)() const = nullptr;  // the predicate of Enabling::Own
  const char* hint = nullptr;                 // of its toolbar button
  int image = -1;                             // its toolbar button's image in ImageList1
};

// One item of a menu, in menu order. Depth 0 is the menu's own level; an item of depth d + 1
// goes into the last item of depth d before it.
struct MenuPlace {
  int depth = 0;
  ui::MenuItem* TForm1::*item = nullptr;  // the member that names it
  const Command* command = nullptr;       // null for a separator
  bool checked = false;                   // its mark at start
  bool radio = false;                     // one of a group of which one is checked
};

// One toolbar button, left to right.
struct ButtonPlace {
  ui::ToolButton* TForm1::*button = nullptr;  // the member that names it
  const Command* command = nullptr;           // null for a separator
  ui::PopupMenu TForm1::*dropdown = nullptr;  // the menu of its drop-down arrow, if any
};

struct CommandTable {
  static std::span<const MenuPlace> MainMenu();
  static std::span<const MenuPlace> ContextMenu();
  static std::span<const ButtonPlace> ToolBar();
  static constexpr int kSeparatorWidth = 8;  // pixels between button groups
};
