// The standard streams of a console program, and the system's texts for its error codes.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Writes the bytes as they are (no line ends added or changed); false when a write fails.
bool WriteStandardOutput(const std::string& bytes);
void WriteStandardError(const std::string& bytes);
// Whether standard error goes to a terminal (a console window on Windows).
bool StandardErrorIsTerminal();

// The system's text for a Win32 error code, on one line without its end (FormatMessageA);
// on Linux, the text Windows gives for the codes that this layer reports.
std::string SystemErrorText(uint32_t code);

}  // namespace platform
