// The text of a list file for the rows of a list.
#pragma once

#include <string>

#include "ui/list_view.h"

// One line for each row from the top: date text, path and kind, each in double quotes with
// a quote inside it doubled, joined by commas and ended by CR LF. A row without its path or
// kind raises the list error with the missing index.
std::string ListFileText(const ui::ListView& list);
