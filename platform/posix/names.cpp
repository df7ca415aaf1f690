// Names are UTF-8 here and all convert; tests may refuse chosen characters, so that the
// program's handling of names that the code page cannot write runs natively too.
#include <utility>

#include "platform/files.h"
#include "platform/hooks.h"
#include "platform/posix/file_info.h"

namespace platform {

bool posix::ToCodePage(std::string& text) {
  if (!hooks::refusedInNames) return true;
  bool exact = true;
  std::string shown;
  for (size_t at = 0; at < text.size();) {
    size_t width = 0;
    for (const std::string& character : *hooks::refusedInNames) {
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

}  // namespace platform
