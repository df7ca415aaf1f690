#include "cli/progress_line.h"

#include <string>

#include "platform/time.h"

namespace {

constexpr uint64_t kQuietMilliseconds = 1000;
constexpr uint64_t kIntervalMilliseconds = 100;

const char* StepText(WorkStep step) {
  switch (step) {
    case WorkStep::Collect:
      return "collecting: ";
    case WorkStep::List:
      return "listing: ";
    case WorkStep::Load:
      return "reading: ";
    case WorkStep::Update:
      return "applying: ";
    case WorkStep::Taken:
    case WorkStep::Named:
    case WorkStep::Shifted:
    case WorkStep::Folders:
      return "dating: ";
    case WorkStep::Reread:
      return "reading times: ";
    case WorkStep::Undo:
      return "undoing: ";
  }
  return "";
}

const char* ItemText(WorkStep step) {
  return step == WorkStep::Collect ? " paths" : step == WorkStep::Load ? " lines" : " rows";
}

}  // namespace

ProgressLine::ProgressLine(Console& console)
    : console_(console),
      shown_(console.ErrIsTerminal()),
      started_(platform::MonotonicMilliseconds()) {}

ProgressLine::~ProgressLine() { console_.EndProgress(); }

WorkProgress ProgressLine::Watcher() {
  return [this](WorkStep step, uint64_t done, uint64_t total) {
    Advance(step, done, total);
    return false;
  };
}

void ProgressLine::Advance(WorkStep step, uint64_t done, uint64_t total) {
  if (!shown_) return;
  const uint64_t now = platform::MonotonicMilliseconds();
  if (step != step_ || stepStarted_ == 0) {
    step_ = step;
    stepStarted_ = now;
  }
  if (now - started_ < kQuietMilliseconds || now - lastShown_ < kIntervalMilliseconds) return;
  lastShown_ = now;
  std::string text = StepText(step) + std::to_string(done);
  if (total > 0) text += " of " + std::to_string(total);
  text += ItemText(step);
  if (now > stepStarted_) text += ", " + std::to_string(done * 1000 / (now - stepStarted_)) + "/s";
  console_.ShowProgress(text);
}
