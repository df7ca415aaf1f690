// Writes that fail after a number of bytes, as on a full disk, and file calls heard, for tests.
#include <utility>

#include "platform/testing.h"

namespace platform::testing {
namespace {

struct BytesLeft : hooks::WriteLimit {
  uint64_t left = 0;
  uint32_t Allowed(uint32_t size) override {
    return left < size ? static_cast<uint32_t>(left) : size;
  }
  void Wrote(uint32_t bytes) override { left -= bytes; }
};

std::function<bool(const char*)>& Hearer() {
  static std::function<bool(const char*)> hook;
  return hook;
}

bool Heard(const char* call) { return Hearer()(call); }

}  // namespace

void HearFileCalls(std::function<bool(const char* call)> hook) {
  Hearer() = std::move(hook);
  hooks::fileCall = Hearer() ? Heard : nullptr;
}

void FailWritesAfter(std::optional<uint64_t> bytes) {
  static BytesLeft limit;
  if (bytes) limit.left = *bytes;
  hooks::writeLimit = bytes ? &limit : nullptr;
}

}  // namespace platform::testing
