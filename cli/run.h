// horodex-cli from its arguments to its exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/console.h"
#include "platform/process.h"

// Runs the command that the arguments (after the program's name) give: 0 all done, 1 some
// paths or rows failed, 2 bad input or usage.
int RunCli(const std::vector<std::string>& arguments, Console& console);
// The same for the arguments as the system gives them: one whose name the code page cannot
// write is reported; among the paths of `list` it is left out (exit status 1 at least),
// anywhere else nothing is done (2).
int RunCli(const std::vector<platform::ProgramArgument>& arguments, Console& console);
