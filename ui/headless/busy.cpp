#include "ui/busy.h"

#include "ui/headless/form_impl.h"

namespace ui {

bool& headless::Busy() {
  static bool busy = false;
  return busy;
}

void detail::BeginBusy() { headless::Busy() = true; }
void detail::EndBusy() { headless::Busy() = false; }

bool detail::PumpWhileBusy() {
  bool escape = false;
  for (const headless::PostedKey& posted : headless::PostedKeys()) {
    escape = escape || posted.key == Key(kKeyEscape);
  }
  headless::PostedKeys().clear();
  return escape;
}

}  // namespace ui
