// Long work of the main window: collecting what was dropped or named, loading list files,
// Update. It shows its progress in the status line, keeps the window painting and lets Esc
// stop the steps that can stop.
#pragma once

#include <cstdint>
#include <string>

#include "entries/work_progress.h"
#include "ui/busy.h"

class TForm1;

class LongWork {
 public:
  explicit LongWork(TForm1& form);
  ~LongWork();  // the status line shows its own text again
  LongWork(const LongWork&) = delete;
  LongWork& operator=(const LongWork&) = delete;

  // `done` items of the step so far, of `total` when known (0 when not). True once the user
  // has asked the work to stop.
  bool Advance(WorkStep step, uint64_t done, uint64_t total = 0);
  bool Stopped() const { return stopped_; }

 private:
  TForm1& form_;
  LongWork* outer_;
  ui::BusyScope busy_;
  bool stopped_ = false;
};

// "12,345": digits grouped by threes.
std::string GroupedNumber(uint64_t value);
