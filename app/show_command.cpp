#include "app/show_command.h"

#include "platform/process.h"

int InitialShowCommand() {
  const int asked = platform::StartupShowCommand();
  if (asked == platform::kSwShowMaximized || asked == platform::kSwShowMinNoActive) return asked;
  return 1;  // SW_SHOWNORMAL
}
