// One row of a list: plain texts, which the program's core reads and writes without a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// One row: the caption (first column) and its sub-items (later columns). A row may have
// fewer sub-items than the list has columns; a missing one shows as an empty cell.
struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
  // The exact time the row was listed with (the program's rows: a last-write file time) and a
  // digest of the caption that was made from it; digest 0: none. Whoever reads the time
  // checks that the caption still has that digest.
  // The digest has 63 bits, so that the row's mark fits beside it.
  uint64_t listedTime = 0;
  uint64_t listedCaptionDigest : 63 = 0;
  // Shown marked (bold): kept by the list view by its OnMark rule, and moving with the row.
  uint64_t marked : 1 = 0;
};

}  // namespace ui
