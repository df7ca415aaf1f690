// Names that the code page cannot write, made natively for tests.
#include <utility>

#include "platform/testing.h"

namespace platform::testing {

void RefuseInNames(std::vector<std::string> characters) {
  static std::vector<std::string> refused;
  refused = std::move(characters);
  hooks::refusedInNames = refused.empty() ? nullptr : &refused;
}

}  // namespace platform::testing
