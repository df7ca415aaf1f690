#include "ui/busy.h"

#include <vector>

#include "ui/headless/form_impl.h"

namespace ui {

using headless::PendingKeys;

std::vector<ShortCut>& headless::PendingKeys() {
  static std::vector<ShortCut> keys;
  return keys;
}

void detail::BeginBusy() {}
void detail::EndBusy() {}

bool detail::PumpWhileBusy() {
  bool escape = false;
  for (const ShortCut& key : PendingKeys()) escape = escape || key == Key(kKeyEscape);
  PendingKeys().clear();
  return escape;
}

}  // namespace ui
