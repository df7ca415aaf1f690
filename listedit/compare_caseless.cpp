#include "listedit/compare_caseless.h"

#include <algorithm>
#include <cstring>

namespace {

unsigned char Fold(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 0x20) : byte;
}

}  // namespace

int CompareCaseless(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  // Texts that start alike need no folding (the dates of a list often share every byte).
  if (std::memcmp(a.data(), b.data(), n) == 0) {
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
  }
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const unsigned char x = Fold(static_cast<unsigned char>(a[i]));
    const unsigned char y = Fold(static_cast<unsigned char>(b[i]));
    if (x != y) return static_cast<int>(x) - static_cast<int>(y);
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}
