// Names are UTF-8 here and all convert; tests may refuse chosen characters, so that the
// program's handling of names that the code page cannot write runs natively too.
#include <utility>

#include "platform/files.h"
#include "platform/posix/file_info.h"
#include "platform/testing.h"

namespace platform {
namespace {

std::vector<std::string>& Refused() {
  static std::vector<std::string> characters;
  return characters;
}

}  // namespace

bool posix::ToCodePage(std::string& text) {
  bool exact = true;
  std::string shown;
  for (size_t at = 0; at < text.size();) {
    size_t width = 0;
    for (const std::string& character : Refused()) {
      if (!character.empty() && text.compare(at, character.size(), character) == 0) {
        width = character.size();
      }
    }
    if (width == 0) {
      shown += text[at++];
      continue;
    }
    shown += '?';
    at += width;
    exact = false;
  }
  if (!exact) text = std::move(shown);
  return exact;
}

void testing::RefuseInNames(std::vector<std::string> characters) {
  Refused() = std::move(characters);
}

}  // namespace platform
