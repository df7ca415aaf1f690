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

// A drop handle holding these paths, as the shell would hand it to the window.
// With `utf8` the paths are UTF-8, handed over as the shell hands wide names (Windows).
DropHandle MakeDrop(const std::vector<std::string>& paths, bool utf8 = false);
// How many handles made by MakeDrop have been finished (DropFinish) so far.
int FinishedDrops();

// Records ShellOpen calls instead of making them while on.
using ShellRequest = hooks::ShellRequest;
void RecordShellRequests(bool on);
std::vector<ShellRequest> TakeShellRequests();

// Replaces the text that CommandLine gives, and what UnnamableArguments gives; nullopt
// returns to the real ones.
void SetCommandLineOverride(std::optional<std::string> commandLine,
                            std::vector<std::string> unnamable = {});
// Replaces the path that ModuleFileName gives (so that the settings file beside the program
// lies in a scratch folder); nullopt returns to the real one.
void SetModuleFileNameOverride(std::optional<std::string> path);

// From now on, writes through FileHandle succeed for `bytes` more bytes and then fail as on
// a full disk (ERROR_DISK_FULL, 112); nullopt lets every write through again.
void FailWritesAfter(std::optional<uint64_t> bytes);
// From now on, each directory search gives `entries` entries ("." and ".." count) and then
// fails as a share that goes away does (ERROR_UNEXP_NET_ERR, 59); nullopt lets them run.
void FailSearchesAfter(std::optional<uint32_t> entries);
// Linux: names holding any of these characters (UTF-8) count as names the code page cannot
// write, in searches, drops and arguments; an empty list takes every name again. Windows
// converts with the code page's own tables, and this does nothing there.
void RefuseInNames(std::vector<std::string> characters);
// From now on, each FileHandle flush, each close of an open FileHandle and each
// MoveFileReplacing is told to `hook` as it is made: "flush", "close", "move". A move that
// the hook answers true for counts as done and is not made. An empty hook hears nothing.
void HearFileCalls(std::function<bool(const char* call)> hook);

}  // namespace testing
}  // namespace platform
