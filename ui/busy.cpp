#include "ui/busy.h"

#include "platform/time.h"
#include "ui/hooks.h"

namespace ui {

namespace {

BusyScope* current = nullptr;
const hooks::KeepAlive kEvery100ms;

const hooks::KeepAlive& Rhythm() { return hooks::keepAlive ? *hooks::keepAlive : kEvery100ms; }

}  // namespace

BusyScope::BusyScope() : outer_(current), lastPump_(platform::MonotonicMilliseconds()) {
  if (!outer_) detail::BeginBusy();
  current = this;
}

BusyScope::~BusyScope() {
  current = outer_;
  if (outer_) return;
  detail::PumpWhileBusy();  // input that came after the last look goes too
  detail::EndBusy();
}

bool BusyScope::Due() const {
  return platform::MonotonicMilliseconds() - lastPump_ >= Rhythm().interval;
}

bool BusyScope::KeepAlive() {
  const uint64_t now = platform::MonotonicMilliseconds();
  const hooks::KeepAlive& rhythm = Rhythm();
  if (now - lastPump_ < rhythm.interval) return false;
  lastPump_ = now;
  if (rhythm.callback) rhythm.callback();
  return detail::PumpWhileBusy();
}

BusyScope* BusyScope::Current() { return current; }

}  // namespace ui
