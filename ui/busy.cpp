#include "ui/busy.h"

#include "platform/time.h"
#include "ui/testing.h"

namespace ui {

namespace {

BusyScope* current = nullptr;
uint64_t interval = 100;  // milliseconds
std::function<void()> hook;

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

bool BusyScope::Due() const { return platform::MonotonicMilliseconds() - lastPump_ >= interval; }

bool BusyScope::KeepAlive() {
  const uint64_t now = platform::MonotonicMilliseconds();
  if (now - lastPump_ < interval) return false;
  lastPump_ = now;
  if (hook) hook();
  return detail::PumpWhileBusy();
}

BusyScope* BusyScope::Current() { return current; }

namespace testing {

void SetKeepAliveInterval(int milliseconds) { interval = static_cast<uint64_t>(milliseconds); }

void SetKeepAliveHook(std::function<void()> callback) { hook = std::move(callback); }

}  // namespace testing

}  // namespace ui
