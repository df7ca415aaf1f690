// One row of a list: plain texts, which the program's core reads and writes without a window.
#pragma once

#include <string>
#include <vector>

namespace ui {

// One row: the caption (first column) and its sub-items (later columns). A row may have
// fewer sub-items than the list has columns; a missing one shows as an empty cell.
struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
};

}  // namespace ui
