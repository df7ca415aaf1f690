// Keyboard shortcuts of menu items.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// Virtual-key codes (the Win32 values) of the keys the program uses.
constexpr uint16_t kKeyDelete = 0x2E;
constexpr uint16_t kKeyF2 = 0x71;
constexpr uint16_t kKeyF5 = 0x74;
constexpr uint16_t kKeyReturn = 0x0D;
constexpr uint16_t kKeyEscape = 0x1B;

struct ShortCut {
  uint16_t key = 0;  // virtual-key code; 0 for none; letters are their upper-case codes
  bool ctrl = false;
  bool Empty() const { return key == 0; }
  friend bool operator==(const ShortCut&, const ShortCut&) = default;
};

constexpr ShortCut Ctrl(char letter) { return ShortCut{static_cast<uint16_t>(letter), true}; }
constexpr ShortCut Key(uint16_t key) { return ShortCut{key, false}; }

// The text a menu shows beside the caption: "Ctrl+O", "F2", "Del".
std::string ShortCutText(ShortCut shortcut);

}  // namespace ui
