// Directory searches that break off for tests, on both builds.
#include "platform/hooks.h"
#include "platform/native.h"

namespace platform {
namespace {

constexpr uint32_t kErrorUnexpectedNetworkError = 59;

}  // namespace

bool native::SearchFailsAt(uint32_t given, uint32_t& error) {
  if (!hooks::searchEntries || given < *hooks::searchEntries) return false;
  error = kErrorUnexpectedNetworkError;
  return true;
}

}  // namespace platform
