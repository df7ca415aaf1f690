// The rhythm of long work, which tests quicken and watch.
#include <utility>

#include "ui/hooks.h"

namespace ui::testing {
namespace {

hooks::KeepAlive& Rhythm() {
  static hooks::KeepAlive rhythm;
  hooks::keepAlive = &rhythm;
  return rhythm;
}

}  // namespace

void SetKeepAliveInterval(int milliseconds) {
  Rhythm().interval = static_cast<uint64_t>(milliseconds);
}

void SetKeepAliveHook(std::function<void()> callback) { Rhythm().callback = std::move(callback); }

}  // namespace ui::testing
