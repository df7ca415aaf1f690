// Long work on the window's thread: a walk, a load, an update.
#pragma once

#include <cstdint>

namespace ui {

// While a scope lives the wait cursor shows. The work calls KeepAlive as often as it likes:
// at most every 100 ms the windows paint, and the key and mouse input that arrived meanwhile
// is thrown away, so that no command starts inside another one; KeepAlive tells whether Esc
// was among it. What is still pending when the scope ends is thrown away as well.
class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  // Whether the next KeepAlive will paint and look at the input.
  bool Due() const;
  // True when Esc was pressed since the last time the input was looked at.
  bool KeepAlive();

  // The innermost scope alive, or null: the list's sort keeps a busy window painting.
  static BusyScope* Current();

 private:
  BusyScope* outer_;
  uint64_t lastPump_;  // milliseconds
};

namespace detail {
// Each build's side: the wait cursor on and off, and one pump that dispatches paints and
// throws input away, telling whether Esc was among it.
void BeginBusy();
void EndBusy();
bool PumpWhileBusy();
}  // namespace detail

}  // namespace ui
