// Directory searches that break off, for tests.
#include "platform/testing.h"

namespace platform::testing {

void FailSearchesAfter(std::optional<uint32_t> entries) {
  static uint32_t given;
  if (entries) given = *entries;
  hooks::searchEntries = entries ? &given : nullptr;
}

}  // namespace platform::testing
