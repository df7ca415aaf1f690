// Shell requests recorded, and the process's command line, path and clock replaced, for tests.
#include <utility>

#include "platform/testing.h"

namespace platform::testing {
namespace {

std::vector<ShellRequest>& Requests() {
  static std::vector<ShellRequest> requests;
  return requests;
}

void Record(const ShellRequest& request) { Requests().push_back(request); }

// Set: the hook points at it.
void Replace(const std::string*& hook, std::optional<std::string>& held,
             std::optional<std::string> text) {
  held = std::move(text);
  hook = held ? &*held : nullptr;
}

}  // namespace

void RecordShellRequests(bool on) { hooks::shellOpen = on ? Record : nullptr; }

std::vector<ShellRequest> TakeShellRequests() { return std::exchange(Requests(), {}); }

void SetCommandLineOverride(std::optional<std::string> commandLine) {
  static std::optional<std::string> held;
  Replace(hooks::commandLine, held, std::move(commandLine));
}

void SetModuleFileNameOverride(std::optional<std::string> path) {
  static std::optional<std::string> held;
  Replace(hooks::moduleFileName, held, std::move(path));
}

}  // namespace platform::testing

void platform::SetLocalTimeOverride(std::optional<SystemTime> fixed) {
  static std::optional<SystemTime> held;
  held = fixed;
  hooks::localTime = held ? &*held : nullptr;
}
