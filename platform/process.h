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
// GetCommandLineW in the code page: the arguments whose names the code page cannot write
// (nor their short names) are left out, and UnnamableArguments shows them.
std::string CommandLine();
std::vector<std::string> UnnamableArguments();

// An argument of a console program, as the C runtime splits the command line (the wide one on
// Windows); `named` is false when the code page cannot write it (nor its short name), and
// `text` then only shows it.
struct ProgramArgument {
  std::string text;
  bool named = true;
};
// The arguments after the program's name; Windows reads them anew, Linux takes argv.
std::vector<ProgramArgument> ProgramArguments(int argc, char** argv);

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
// Item `index` of the drop (DragQueryFileW) in the code page: itself, or its short form where
// only that converts. False when neither does; `path` then only shows it.
bool DropPath(DropHandle drop, uint32_t index, std::string& path);
void DropFinish(DropHandle drop);  // DragFinish

}  // namespace platform
