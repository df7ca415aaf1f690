// What the process was started as: its command line and its executable's path.
#include <utility>

#include "platform/native.h"
#include "platform/process.h"

namespace platform {
namespace {

std::optional<std::string>& CommandLineOverride() {
  static std::optional<std::string> commandLine;
  return commandLine;
}

std::optional<std::string>& ModuleFileNameOverride() {
  static std::optional<std::string> path;
  return path;
}

}  // namespace

std::string CommandLine() {
  if (CommandLineOverride()) return *CommandLineOverride();
  return native::ProcessCommandLine();
}

void testing::SetCommandLineOverride(std::optional<std::string> commandLine) {
  CommandLineOverride() = std::move(commandLine);
}

std::string ModuleFileName() {
  if (ModuleFileNameOverride()) return *ModuleFileNameOverride();
  return native::ProcessModuleFileName();
}

void testing::SetModuleFileNameOverride(std::optional<std::string> path) {
  ModuleFileNameOverride() = std::move(path);
}

}  // namespace platform
