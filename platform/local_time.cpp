#include "platform/native.h"
#include "platform/time.h"

namespace platform {
namespace {

std::optional<SystemTime>& FixedClock() {
  static std::optional<SystemTime> fixed;
  return fixed;
}

}  // namespace

SystemTime LocalTime() {
  if (FixedClock()) return *FixedClock();
  return native::LocalClock();
}

void SetLocalTimeOverride(std::optional<SystemTime> fixed) { FixedClock() = fixed; }

}  // namespace platform
