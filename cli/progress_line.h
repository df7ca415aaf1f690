// Long work's progress on standard error: one line, rewritten in place, of the items done (of
// all, when known) and the rate. Only on a terminal, and only once the work has run for a
// second, so that short runs and scripts see nothing of it. It watches the same steps as the
// window's status line.
#pragma once

#include <cstdint>

#include "cli/console.h"
#include "entries/work_progress.h"

class ProgressLine {
 public:
  explicit ProgressLine(Console& console);
  ~ProgressLine();  // the line goes
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // The watcher to hand to the work; it never asks the work to stop.
  WorkProgress Watcher();

 private:
  void Advance(WorkStep step, uint64_t done, uint64_t total);

  Console& console_;
  const bool shown_;
  const uint64_t started_;  // milliseconds
  uint64_t lastShown_ = 0;
  WorkStep step_ = WorkStep::Collect;
  uint64_t stepStarted_ = 0;
};
