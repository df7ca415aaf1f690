// Directory searches that break off for tests, on both builds.
#include "platform/files.h"
#include "platform/native.h"
#include "platform/testing.h"

namespace platform {
namespace {

constexpr uint32_t kErrorUnexpectedNetworkError = 59;

std::optional<uint32_t>& EntriesBeforeFailure() {
  static std::optional<uint32_t> entries;
  return entries;
}

}  // namespace

bool native::SearchFailsAt(uint32_t given, uint32_t& error) {
  if (!EntriesBeforeFailure() || given < *EntriesBeforeFailure()) return false;
  error = kErrorUnexpectedNetworkError;
  return true;
}

void testing::FailSearchesAfter(std::optional<uint32_t> entries) {
  EntriesBeforeFailure() = entries;
}

}  // namespace platform
