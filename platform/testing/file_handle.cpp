// Writes that fail after a number of bytes, as on a full disk, for tests.
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

}  // namespace

void FailWritesAfter(std::optional<uint64_t> bytes) {
  static BytesLeft limit;
  if (bytes) limit.left = *bytes;
  hooks::writeLimit = bytes ? &limit : nullptr;
}

}  // namespace platform::testing
