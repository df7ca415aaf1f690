// The table of ANSI codes by code point, made once for each code page in force.
#include "platform/code_page.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/native.h"

namespace platform {
namespace {

struct CodeTable {
  uint32_t codePage;
  std::vector<uint16_t> codes;
};

std::unique_ptr<CodeTable> MakeTable(uint32_t codePage) {
  auto table = std::make_unique<CodeTable>(CodeTable{codePage, {}});
  table->codes.assign(0x10000, kNoAnsiCode);
  for (const auto& [code, character] : native::AnsiCharacters()) {
    if (character < 0x10000) table->codes[character] = code;
  }
  return table;
}

}  // namespace

// Sorting asks for the table at every comparison: the last one made is found without a lock.
const uint16_t* AnsiCodes() {
  static std::atomic<const CodeTable*> last{nullptr};
  static std::mutex making;
  static std::map<uint32_t, std::unique_ptr<CodeTable>> made;
  const uint32_t codePage = native::AnsiCodePage();
  const CodeTable* table = last.load(std::memory_order_acquire);
  if (table && table->codePage == codePage) return table->codes.data();
  std::lock_guard<std::mutex> lock(making);
  std::unique_ptr<CodeTable>& slot = made[codePage];
  if (!slot) slot = MakeTable(codePage);
  last.store(slot.get(), std::memory_order_release);
  return slot->codes.data();
}

}  // namespace platform
