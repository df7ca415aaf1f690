// Reading the rows of list files for the commands that take lists.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "entries/work_progress.h"
#include "ui/list_item.h"

using Rows = std::vector<ui::ListItem>;
// Looks at a row, may change it, and raises EConvertError for one that cannot be used.
using RowCheck = std::function<void(ui::ListItem& row)>;

// Appends the rows of a list file to `rows`, each passed through `check`. A line that lacks a
// field or fails the check is reported as FILE:LINE: message and left out; a list that cannot
// be read is reported with its path. False when anything was reported.
bool ReadListRows(const std::string& list, const WorkProgress& watcher, const RowCheck& check,
                  Console& console, Rows& rows);
