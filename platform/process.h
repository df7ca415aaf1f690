// Process, shell and drag-and-drop services.
// Names avoid the Win32 macros (ShellExecute, DragQueryFile) so that both builds agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using WindowHandle = void*;  // the native window (HWND on Windows)
using DropHandle = void*;    // the drop handle of one drop (HDROP on Windows)

std::string ModuleFileName();  // GetModuleFileNameA(NULL): the executable's full path
std::string CommandLine();     // GetCommandLineA

// The show command of GetStartupInfoA (wShowWindow) when STARTF_USESHOWWINDOW is set,
// otherwise SW_SHOWDEFAULT (10).
int StartupShowCommand();

constexpr int kSwShow = 5;
constexpr int kSwShowMaximized = 3;
constexpr int kSwShowMinNoActive = 7;

// ShellExecuteA(owner, operation, file, parameters (none when empty), directory, show).
void ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
               const std::string& parameters, const std::string& directory, int show);

void AcceptDroppedFiles(WindowHandle window, bool accept);  // DragAcceptFiles
// DragQueryFileA: with index 0xFFFFFFFF the number of items; with no buffer the length of
// item `index` in characters; otherwise copies it (at most size - 1 characters and a zero).
uint32_t DropQueryFile(DropHandle drop, uint32_t index, char* buffer, uint32_t size);
void DropFinish(DropHandle drop);  // DragFinish

}  // namespace platform
