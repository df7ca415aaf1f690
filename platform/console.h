// The standard streams of a console program, and the system's texts for its error codes.
// Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Whether standard output is a console window (Windows; never on Linux, whose terminals take
// UTF-8 bytes as any file does).
bool StandardOutputIsConsole();
// Writes the text (no line ends added or changed): to a console as itself (the wide console
// calls), elsewhere its bytes as they are; false when a write fails.
bool WriteStandardOutput(const std::string& text);
// Standard error: to a console as itself; elsewhere in the ANSI code page where it holds the
// text exactly, else as UTF-8.
void WriteStandardError(const std::string& text);
// Whether standard error goes to a terminal (a console window on Windows).
bool StandardErrorIsTerminal();

// The system's text for a Win32 error code, on one line without its end (FormatMessageW);
// on Linux, the text Windows gives for the codes that this layer reports.
std::string SystemErrorText(uint32_t code);

}  // namespace platform
