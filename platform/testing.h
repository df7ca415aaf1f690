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
DropHandle MakeDrop(const std::vector<std::string>& paths);
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
// From now on, each FileHandle flush, each close of an open FileHandle and each
// MoveFileReplacing is told to `hook` as it is made: "flush", "close", "move". A move that
// the hook answers true for counts as done and is not made. An empty hook hears nothing.
void HearFileCalls(std::function<bool(const char* call)> hook);

}  // namespace testing
}  // namespace platform
