#include <utility>
#include "platform/native.h"

#include "platform/process.h"

namespace platform {
namespace {

std::optional<std::string>& CommandLineOverride() {
  static std::optional<std::string> commandLine;
  return commandLine;
}

}  // namespace

std::string CommandLine() {
  if (CommandLineOverride()) return *CommandLineOverride();
  return native::ProcessCommandLine();
}

void testing::SetCommandLineOverride(std::optional<std::string> commandLine) {
  CommandLineOverride() = std::move(commandLine);
}

}  // namespace platform
