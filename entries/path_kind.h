// The kind column of a file row: its extension.
#pragma once

#include <string>

// The extension of a path without its dot, in the case the name spells it; empty when the
// name has none. It starts at the last "." after the last delimiter and the last ":".
std::string PathKind(const std::string& path);

// Whether the path ends in a delimiter.
bool EndsWithDelimiter(const std::string& path);

// The path up to and including its last delimiter or ":" (empty when it has neither).
std::string PathDirectory(const std::string& path);
