#include <string>

#include "platform/files.h"
#include "platform/name_hash.h"

namespace platform {

uint64_t PathNameHash(const std::string& path) {
  std::string folded = path;
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return detail::HashBytes(folded.data(), folded.size());
}

}  // namespace platform
