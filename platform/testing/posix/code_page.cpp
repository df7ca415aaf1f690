// Code page 932 put in force natively, for tests.
#include "platform/testing.h"

namespace platform::testing {

bool UseCodePage932(bool on) {
  hooks::ansiCodePage932 = on;
  return on;
}

}  // namespace platform::testing
