// Message boxes recorded and answered with OK at once, for tests.
#include <utility>

#include "ui/hooks.h"

namespace ui::testing {
namespace {

std::vector<ShownBox>& Recorded() {
  static std::vector<ShownBox> boxes;
  return boxes;
}

bool Record(const ShownBox& box) {
  Recorded().push_back(box);
  return true;
}

}  // namespace

void RecordBoxes(bool on) {
  if (on) Recorded().clear();  // a new recording starts empty
  hooks::boxShown = on ? Record : nullptr;
}

std::vector<ShownBox> TakeBoxes() { return std::exchange(Recorded(), {}); }

}  // namespace ui::testing
