// Drop handles made in memory, for tests.
#include "platform/posix/drop.h"
#include "platform/testing.h"

namespace platform::testing {
namespace {

int finished = 0;

void Finished(DropHandle) { ++finished; }

}  // namespace

// Names are UTF-8 here whichever way they come.
DropHandle MakeDrop(const std::vector<std::string>& paths, bool) {
  hooks::dropFinished = Finished;
  return new posix::Drop{paths};
}

int FinishedDrops() { return finished; }

}  // namespace platform::testing
