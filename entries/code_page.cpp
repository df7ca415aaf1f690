#include "entries/code_page.h"

#include <array>

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

size_t LastCharStart(const std::string& text) {
  size_t pos = 0, last = 0;
  while (pos < text.size()) {
    last = pos;
    pos += (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
  }
  return last;
}

bool IsTrailByteAt(const std::string& text, size_t pos) {
  size_t i = 0;
  while (i < pos) {
    i += (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
  return i > pos;
}
