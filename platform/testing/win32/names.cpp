// Windows converts names with the code page's own tables: no name is refused for tests.
#include "platform/testing.h"

namespace platform::testing {

void RefuseInNames(std::vector<std::string>) {}

}  // namespace platform::testing
