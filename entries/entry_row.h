// The parts of an entry row: caption = date text, sub-item 0 = path, sub-item 1 = kind.
#pragma once

#include <string>

#include "ui/list_view.h"

// A sub-item of a row; a row loaded from a short list-file line may lack its path or kind,
// which raises the list error with the missing index.
const std::string& EntrySubItem(const ui::ListItem& row, int index);
