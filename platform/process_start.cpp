// What the process was started as: its command line and its executable's path.
#include "platform/hooks.h"
#include "platform/native.h"
#include "platform/process.h"

namespace platform {
namespace {

hooks::CommandLineTexts CommandLineNow() {
  if (hooks::commandLine) return *hooks::commandLine;
  hooks::CommandLineTexts texts;
  texts.line = native::ProcessCommandLine(texts.unnamable);
  return texts;
}

}  // namespace

std::string CommandLine() { return CommandLineNow().line; }

std::vector<std::string> UnnamableArguments() { return CommandLineNow().unnamable; }

std::string ModuleFileName() {
  if (hooks::moduleFileName) return *hooks::moduleFileName;
  return native::ProcessModuleFileName();
}

}  // namespace platform
