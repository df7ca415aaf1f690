#include "platform/process.h"

#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>

#include "platform/native.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::string native::ProcessModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // cut short: try a longer buffer
  }
  std::string text;
  win32::CodePagePath(path, text);
  return text;
}

std::string native::ProcessCommandLine(std::vector<std::string>& unnamable) {
  win32::CodePageCommandLine converted = win32::CommandLineInCodePage(GetCommandLineW());
  unnamable = std::move(converted.unnamable);
  return converted.line;
}

// The C runtime's rules, as CommandLineToArgvW keeps them.
std::vector<ProgramArgument> ProgramArguments(int, char**) {
  std::vector<ProgramArgument> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 1; i < count; ++i) {
    ProgramArgument argument;
    argument.named = win32::CodePagePath(wide[i], argument.text);
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
}

int StartupShowCommand() {
  STARTUPINFOA info;
  GetStartupInfoA(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

void native::ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
                       const std::string& parameters, const std::string& directory, int show) {
  ShellExecuteA(static_cast<HWND>(owner), OrNull(operation), file.c_str(), OrNull(parameters),
                OrNull(directory), show);
}

void AcceptDroppedFiles(WindowHandle window, bool accept) {
  DragAcceptFiles(static_cast<HWND>(window), accept);
}

}  // namespace platform
