// FNV-1a over bytes: the hash that both builds' PathNameHash finish with.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::detail {

inline uint64_t HashBytes(const void* data, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < size; ++i) {
    hash = (hash ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
  }
  return hash;
}

}  // namespace platform::detail
