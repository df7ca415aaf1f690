// The contents of a list file for rows.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/list_item.h"

// The UTF-8 byte-order mark that starts a list file written in UTF-8.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The bytes of a list file: one line for each row from the top, `row(i)` for i below `count`:
// date text, path and kind, each in double quotes with a quote inside it doubled, joined by
// commas and ended by CR LF. The bytes are in the ANSI code page, byte for byte as earlier
// versions wrote them, when the code page holds every character exactly; otherwise UTF-8
// after the byte-order mark, which the code page's readers cannot mistake for a text of
// theirs. Where the code page is UTF-8 (Linux), the text as it is, without the mark. A row
// without its path or kind raises the list error with the missing index.
std::string ListFileText(size_t count, const std::function<const ui::ListItem&(size_t)>& row);
// The same for rows held in order.
std::string ListFileText(const std::vector<ui::ListItem>& rows);
// The line of one row (UTF-8), appended to `text`.
void AppendListFileLine(std::string& text, const ui::ListItem& row);
