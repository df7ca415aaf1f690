// ShellOpen: ShellExecuteA, or the tests' hook in its place.
#include "platform/hooks.h"
#include "platform/native.h"
#include "platform/process.h"

namespace platform {

void ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
               const std::string& parameters, const std::string& directory, int show) {
  if (hooks::shellOpen) {
    hooks::shellOpen({owner, operation, file, parameters, directory, show});
    return;
  }
  native::ShellOpen(owner, operation, file, parameters, directory, show);
}

}  // namespace platform
