#include "platform/process.h"

#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>

#include "platform/native.h"

namespace platform {
namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::string native::ProcessModuleFileName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a longer buffer
  }
}

std::string native::ProcessCommandLine() { return GetCommandLineA(); }

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
