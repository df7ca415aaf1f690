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
// blanks and, as a pair, quotes; a NUL ends the line.
std::vector<std::string> SplitListLine(std::string_view line);

// Field `index` of a line; the list error with that index when the line is shorter.
const std::string& ListField(const std::vector<std::string>& fields, int index);

// Opens the file for reading (others may read it as well), hands the fields of every line to
// `line` in file order and closes the file on every way out. `progress` hears of the lines
// read so far (WorkStep::Load) before each line and may stop the reading there. A file that
// cannot be opened or read raises the I/O error of the system's code.
void ReadListFile(const std::string& path, const WorkProgress& progress,
                  const std::function<void(std::vector<std::string>& fields)>& line);
