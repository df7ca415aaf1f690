// Splitting the process's command line into the paths it names.
#pragma once

#include <string>
#include <vector>

// The arguments after the program name. Arguments are separated by runs of bytes 1 to 32; a
// stretch in double quotes may hold blanks and loses its quotes; an empty pair of quotes
// before an argument is skipped; an argument keeps at most 4096 bytes, in whole characters.
std::vector<std::string> CommandLineArguments(const std::string& commandLine);
