#include "platform/process.h"

#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>

#include "platform/native.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

std::wstring Wide(const std::string& text) { return win32::ToWide(text); }

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

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
  return win32::FromWide(path);
}

std::string native::ProcessCommandLine() { return win32::FromWide(GetCommandLineW()); }

// The C runtime's rules, as CommandLineToArgvW keeps them.
std::vector<std::string> ProgramArguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(win32::FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

int StartupShowCommand() {
  STARTUPINFOW info;
  GetStartupInfoW(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

void native::ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
                       const std::string& parameters, const std::string& directory, int show) {
  const std::wstring verb = Wide(operation), target = Wide(file), arguments = Wide(parameters),
                     folder = Wide(directory);
  ShellExecuteW(static_cast<HWND>(owner), OrNull(verb), target.c_str(), OrNull(arguments),
                OrNull(folder), show);
}

void AcceptDroppedFiles(WindowHandle window, bool accept) {
  DragAcceptFiles(static_cast<HWND>(window), accept);
}

}  // namespace platform
