// horodex-cli from its arguments to its exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/console.h"

// Runs the command that the arguments (after the program's name) give: 0 all done, 1 some
// paths or rows failed, 2 bad input or usage.
int RunCli(const std::vector<std::string>& arguments, Console& console);
