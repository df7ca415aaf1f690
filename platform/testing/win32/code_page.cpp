// Windows converts with the system's code page, which tests cannot change.
#include <windows.h>

#include "platform/testing.h"

namespace platform::testing {

bool UseCodePage932(bool) { return GetACP() == 932; }

}  // namespace platform::testing
