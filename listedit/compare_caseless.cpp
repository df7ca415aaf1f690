#include "listedit/compare_caseless.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/code_page.h"
#include "platform/utf.h"

namespace {

unsigned char Fold(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 0x20) : byte;
}

int CompareBytes(const std::string& a, const std::string& b, size_t from) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = from; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const unsigned char x = Fold(static_cast<unsigned char>(a[i]));
    const unsigned char y = Fold(static_cast<unsigned char>(b[i]));
    if (x != y) return static_cast<int>(x) - static_cast<int>(y);
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// A character's place: its folded ANSI bytes as the high and low byte of a 16-bit number (a
// single byte as the high one), so that numbers compare as the bytes do; after them the
// characters the code page lacks, by code point, and then bytes that start no character.
uint32_t SortKey(char32_t c, const uint16_t* codes) {
  constexpr uint32_t kOutside = 0x10000, kNoCharacter = kOutside + 0x110000;
  if (c < 0x10000) {
    const uint16_t code = codes[c];
    if (code <= 0xFF) return static_cast<uint32_t>(Fold(static_cast<unsigned char>(code))) << 8;
    if (code != platform::kNoAnsiCode) return (code & 0xFF00u) | Fold(code & 0xFF);
  }
  return c <= 0x10FFFF ? kOutside + c : kNoCharacter;
}

}  // namespace

int CompareCaseless(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  // Where they part, eight bytes at a time: the paths of a list share long beginnings, and
  // texts that start alike need no folding (the dates of a list often share every byte).
  size_t i = 0;
  for (uint64_t x, y; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  while (i < n && a[i] == b[i]) ++i;
  if (i == n) return static_cast<int>(a.size()) - static_cast<int>(b.size());
  if (platform::AnsiCodePageIsUtf8()) return CompareBytes(a, b, i);
  // From the start of the character in which they part; what comes before is alike.
  const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  while (i > 0 && (continues(a[i]) || continues(b[i]))) --i;
  const uint16_t* codes = platform::AnsiCodes();
  size_t pa = i, pb = i;
  while (pa < a.size() && pb < b.size()) {
    const auto x = static_cast<unsigned char>(a[pa]), y = static_cast<unsigned char>(b[pb]);
    if (x < 0x80 && y < 0x80) {  // ASCII is itself in every code page
      if (Fold(x) != Fold(y)) return static_cast<int>(Fold(x)) - static_cast<int>(Fold(y));
      ++pa, ++pb;
      continue;
    }
    const uint32_t keyA = SortKey(platform::NextCodePoint(a, pa), codes);
    const uint32_t keyB = SortKey(platform::NextCodePoint(b, pb), codes);
    if (keyA != keyB) return keyA < keyB ? -1 : 1;
  }
  return (pa < a.size()) - (pb < b.size());
}
