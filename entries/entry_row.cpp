#include "entries/entry_row.h"

#include "app/errors.h"

const std::string& EntrySubItem(const ui::ListItem& row, int index) {
  if (index < 0 || index >= static_cast<int>(row.subItems.size())) throw ListIndexError(index);
  return row.subItems[index];
}
