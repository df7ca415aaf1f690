#include "ui/shortcut.h"

namespace ui {

std::string ShortCutText(ShortCut shortcut) {
  if (shortcut.Empty()) return {};
  std::string key;
  if (shortcut.key >= 0x70 && shortcut.key <= 0x87) {
    // append, not operator+: GCC 12 at -O3 warns falsely (-Wrestrict) about "F" + text.
    key = std::string("F").append(std::to_string(shortcut.key - 0x70 + 1));
  } else if (shortcut.key == kKeyDelete) {
    key = "Del";
  } else if (shortcut.key == kKeyReturn) {
    key = "Enter";
  } else if (shortcut.key == kKeyEscape) {
    key = "Esc";
  } else {
    key = std::string(1, static_cast<char>(shortcut.key));
  }
  return shortcut.ctrl ? "Ctrl+" + key : key;
}

}  // namespace ui
