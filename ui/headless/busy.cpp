#include "ui/busy.h"

#include <vector>

#include "ui/testing.h"

namespace ui {

namespace {
// Keys posted while busy: nothing reads them until the work looks.
std::vector<ShortCut>& PendingKeys() {
  static std::vector<ShortCut> keys;
  return keys;
}
}  // namespace

void detail::BeginBusy() {}
void detail::EndBusy() {}

bool detail::PumpWhileBusy() {
  bool escape = false;
  for (const ShortCut& key : PendingKeys()) escape = escape || key == Key(kKeyEscape);
  PendingKeys().clear();
  return escape;
}

void testing::PostKey(Form&, ShortCut key) { PendingKeys().push_back(key); }

}  // namespace ui
