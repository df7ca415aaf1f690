// What the process was started as: its command line and its executable's path.
#include <utility>

#include "platform/native.h"
#include "platform/process.h"

namespace platform {
namespace {

struct CommandLineTexts {
  std::string line;
  std::vector<std::string> unnamable;
};

std::optional<CommandLineTexts>& CommandLineOverride() {
  static std::optional<CommandLineTexts> texts;
  return texts;
}

CommandLineTexts CommandLineNow() {
  if (CommandLineOverride()) return *CommandLineOverride();
  CommandLineTexts texts;
  texts.line = native::ProcessCommandLine(texts.unnamable);
  return texts;
}

std::optional<std::string>& ModuleFileNameOverride() {
  static std::optional<std::string> path;
  return path;
}

}  // namespace

std::string CommandLine() { return CommandLineNow().line; }

std::vector<std::string> UnnamableArguments() { return CommandLineNow().unnamable; }

void testing::SetCommandLineOverride(std::optional<std::string> commandLine,
                                     std::vector<std::string> unnamable) {
  if (commandLine) {
    CommandLineOverride() = CommandLineTexts{std::move(*commandLine), std::move(unnamable)};
  } else {
    CommandLineOverride().reset();
  }
}

std::string ModuleFileName() {
  if (ModuleFileNameOverride()) return *ModuleFileNameOverride();
  return native::ProcessModuleFileName();
}

void testing::SetModuleFileNameOverride(std::optional<std::string> path) {
  ModuleFileNameOverride() = std::move(path);
}

}  // namespace platform
