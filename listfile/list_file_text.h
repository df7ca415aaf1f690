// The text of a list file for rows.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/list_item.h"

// One line for each row from the top, `row(i)` for i below `count`: date text, path and kind,
// each in double quotes with a quote inside it doubled, joined by commas and ended by CR LF.
// A row without its path or kind raises the list error with the missing index.
std::string ListFileText(size_t count, const std::function<const ui::ListItem&(size_t)>& row);
// The same for rows held in order.
std::string ListFileText(const std::vector<ui::ListItem>& rows);
// The line of one row, appended to `text`.
void AppendListFileLine(std::string& text, const ui::ListItem& row);
