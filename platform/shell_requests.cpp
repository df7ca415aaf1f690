#include <utility>
#include "platform/native.h"

#include "platform/process.h"

namespace platform {
namespace {

struct Recorder {
  bool on = false;
  std::vector<testing::ShellRequest> requests;
};

Recorder& ShellRecorder() {
  static Recorder recorder;
  return recorder;
}

}  // namespace

void ShellOpen(WindowHandle owner, const std::string& operation, const std::string& file,
               const std::string& parameters, const std::string& directory, int show) {
  if (ShellRecorder().on) {
    ShellRecorder().requests.push_back({owner, operation, file, parameters, directory, show});
    return;
  }
  native::ShellOpen(owner, operation, file, parameters, directory, show);
}

void testing::RecordShellRequests(bool on) { ShellRecorder().on = on; }

std::vector<testing::ShellRequest> testing::TakeShellRequests() {
  return std::exchange(ShellRecorder().requests, {});
}

}  // namespace platform
