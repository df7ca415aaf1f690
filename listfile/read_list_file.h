// Reading list files: lines split into field texts, handed to whoever places them (the
// window's list, or horodex-cli's rows).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "entries/work_progress.h"

// The field texts of one line, possibly none; never fails. Fields are separated by commas,
// blank bytes (0x01-0x20) around them are dropped, a field in double quotes may hold commas,
// blanks and, as a pair, quotes; a NUL ends the line. With `doubleByte` the line is in the
// ANSI code page, and a lead byte takes the byte after it into its character whatever that is.
std::vector<std::string> SplitListLine(std::string_view line, bool doubleByte = false);

// Field `index` of a line; the list error with that index when the line is shorter.
const std::string& ListField(const std::vector<std::string>& fields, int index);

// Opens the file for reading (others may read it as well), hands the fields of every line to
// `line` in file order, as UTF-8, and closes the file on every way out. A file that starts
// with the UTF-8 byte-order mark is UTF-8, and a line in it that is no UTF-8 raises the I/O
// error 1113 (no mapping for the character) before its fields are handed on; any other file
// is in the ANSI code page. `progress` hears of the lines
// read so far (WorkStep::Load) before each line and may stop the reading there. A file that
// cannot be opened or read raises the I/O error of the system's code.
void ReadListFile(const std::string& path, const WorkProgress& progress,
                  const std::function<void(std::vector<std::string>& fields)>& line);
