// What tests put in the place of the system: drops made in memory, writes that fail, shell
// requests recorded, another command line. Only the test programs link it (horodex_testing):
// the program keeps a null hook for each (platform/hooks.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/hooks.h"
#include "platform/process.h"

namespace platform {

// Fixes the clock that LocalTime reads; nullopt returns to the real clock.
void SetLocalTimeOverride(std::optional<SystemTime> fixed);

namespace testing {

// A drop handle holding these paths (UTF-8), as the shell would hand it to the window: as
// wide names, or with `utf8` false in the ANSI code page, as older programs hand them over
// (Windows; the posix drop holds the paths as they are).
DropHandle MakeDrop(const std::vector<std::string>& paths, bool utf8 = false);
// How many handles made by MakeDrop have been finished (DropFinish) so far.
int FinishedDrops();

// Records ShellOpen calls instead of making them while on.
using ShellRequest = hooks::ShellRequest;
void RecordShellRequests(bool on);
std::vector<ShellRequest> TakeShellRequests();

// Replaces the text that CommandLine gives; nullopt returns to the real one.
void SetCommandLineOverride(std::optional<std::string> commandLine);
// Replaces the path that ModuleFileName gives (so that the settings file beside the program
// lies in a scratch folder); nullopt returns to the real one.
void SetModuleFileNameOverride(std::optional<std::string> path);

// From now on, writes through FileHandle succeed for `bytes` more bytes and then fail as on
// a full disk (ERROR_DISK_FULL, 112); nullopt lets every write through again.
void FailWritesAfter(std::optional<uint64_t> bytes);
// From now on, each directory search gives `entries` entries ("." and ".." count) and then
// fails as a share that goes away does (ERROR_UNEXP_NET_ERR, 59); nullopt lets them run.
void FailSearchesAfter(std::optional<uint32_t> entries);
// Linux: puts the ANSI code page 932 of Japanese Windows in force (its lead bytes, the
// conversions of platform/code_page.h, through glibc's tables) in place of UTF-8, or, with
// false, UTF-8 again; so that list files, the settings file and the sort order are tried
// natively as on Japanese Windows. Windows keeps the system's code page. Gives whether code
// page 932 is in force now.
bool UseCodePage932(bool on);
// From now on, each FileHandle flush, each close of an open FileHandle and each
// MoveFileReplacing is told to `hook` as it is made: "flush", "close", "move". A move that
// the hook answers true for counts as done and is not made. An empty hook hears nothing.
void HearFileCalls(std::function<bool(const char* call)> hook);

}  // namespace testing
}  // namespace platform
