// What each build supplies to the platform code that both builds share.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/process.h"
#include "platform/time.h"

namespace platform::native {

void CloseFile(intptr_t& handle);  // closes an open file handle and marks it closed (-1)
// Writes the bytes to an open file; false, with the Win32 error code in `error`, on failure.
bool WriteBytes(intptr_t handle, const void* buffer, uint32_t size, uint32_t& written,
                uint32_t& error);
// FlushFileBuffers on an open file; false, with the Win32 error code in `error`, on failure.
bool FlushFile(intptr_t handle, uint32_t& error);
// The system's move behind platform::MoveFileReplacing.
bool MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error);

// Whether a directory search that has given `given` entries now fails for a test
// (testing::FailSearchesAfter), and with which error code.
bool SearchFailsAt(uint32_t given, uint32_t& error);

SystemTime LocalClock();  // the real local clock
// The offset of local time from UTC (local minus UTC, in ticks) at a UTC time, by the rules
// of the time zone in force on that date.
bool LocalOffset(FileTime utc, int64_t& offset);
// The command line the process was started with.
std::string ProcessCommandLine();
std::string ProcessModuleFileName();  // the executable's full path
void ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
               const std::string& parameters, const std::string& directory, int show);

// The ANSI code page in force (65001 for UTF-8), and each character it holds exactly: its
// code (a byte, or lead byte * 256 + trail byte) and its code point, the code that the
// character converts to; none when the code page is UTF-8.
uint32_t AnsiCodePage();
std::vector<std::pair<uint16_t, char32_t>> AnsiCharacters();

}  // namespace platform::native
