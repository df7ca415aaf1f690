#include "platform/hooks.h"
#include "platform/native.h"
#include "platform/time.h"

namespace platform {

SystemTime LocalTime() {
  if (hooks::localTime) return *hooks::localTime;
  return native::LocalClock();
}

}  // namespace platform
