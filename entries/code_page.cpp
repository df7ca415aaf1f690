#include "entries/code_page.h"

#include <array>

#include "platform/code_page.h"
#include "platform/locale.h"

namespace {

struct LeadBytes {
  std::array<bool, 256> lead{};
  bool read = false;
};

LeadBytes& Table() {
  static LeadBytes table;
  return table;
}

}  // namespace

void ReadLeadBytes() { UseLeadByteRanges(platform::LeadByteRanges()); }

void UseLeadByteRanges(const std::vector<std::pair<uint8_t, uint8_t>>& ranges) {
  LeadBytes& table = Table();
  table.lead.fill(false);
  for (auto [low, high] : ranges) {
    for (int b = low; b <= high; ++b) table.lead[b] = true;
  }
  table.read = true;
}

bool IsLeadByte(unsigned char byte) {
  if (!Table().read) ReadLeadBytes();
  return Table().lead[byte];
}

bool IsDoubleByteCharacter(char32_t character) {
  if (character >= 0x10000) return false;
  const uint16_t code = platform::AnsiCodes()[character];
  return code != platform::kNoAnsiCode && code > 0xFF;
}
