// Process, shell and drag-and-drop services.
// Names avoid the Win32 macros (ShellExecute, DragQueryFile) so that both builds agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using WindowHandle = void*;  // the native window (HWND on Windows)
using DropHandle = void*;    // the drop handle of one drop (HDROP on Windows)

std::string ModuleFileName();  // GetModuleFileNameW(NULL): the executable's full path
std::string CommandLine();     // GetCommandLineW

// The arguments of a console program after its name, as the C runtime splits the command
// line: Windows reads the wide one anew (CommandLineToArgvW), Linux takes argv.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The show command of GetStartupInfoW (wShowWindow) when STARTF_USESHOWWINDOW is set,
// otherwise SW_SHOWDEFAULT (10).
int StartupShowCommand();

constexpr int kSwShow = 5;
constexpr int kSwShowMaximized = 3;
constexpr int kSwShowMinNoActive = 7;

// ShellExecuteW(owner, operation, file, parameters (none when empty), directory, show).
void ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
               const std::string& parameters, const std::string& directory, int show);

void AcceptDroppedFiles(WindowHandle window, bool accept);  // DragAcceptFiles
// The number of items of a drop, and item `index` as itself (DragQueryFileW).
uint32_t DropCount(DropHandle drop);
std::string DropPath(DropHandle drop, uint32_t index);
void DropFinish(DropHandle drop);  // DragFinish

}  // namespace platform
