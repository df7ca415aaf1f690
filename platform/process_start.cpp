// What the process was started as: its command line and its executable's path.
#include "platform/hooks.h"
#include "platform/native.h"
#include "platform/process.h"

namespace platform {

std::string CommandLine() {
  if (hooks::commandLine) return *hooks::commandLine;
  return native::ProcessCommandLine();
}

std::string ModuleFileName() {
  if (hooks::moduleFileName) return *hooks::moduleFileName;
  return native::ProcessModuleFileName();
}

}  // namespace platform
