#include "entries/path_kind.h"

#include "entries/code_page.h"
#include "platform/files.h"

namespace {

// Position of the last single-byte character among `chars`, or npos.
size_t LastDelimiter(const std::string& path, const std::string& chars) {
  size_t found = std::string::npos;
  size_t pos = 0;
  while (pos < path.size()) {
    const auto byte = static_cast<unsigned char>(path[pos]);
    if (IsLeadByte(byte) && pos + 1 < path.size()) {
      pos += 2;
      continue;
    }
    if (chars.find(static_cast<char>(byte)) != std::string::npos) found = pos;
    ++pos;
  }
  return found;
}

std::string Separators() { return std::string(1, platform::kPathDelimiter) + ":"; }

}  // namespace

std::string PathKind(const std::string& path) {
  const size_t at = LastDelimiter(path, "." + Separators());
  if (at == std::string::npos || path[at] != '.') return {};
  return path.substr(at + 1);
}

bool EndsWithDelimiter(const std::string& path) {
  if (path.empty() || path.back() != platform::kPathDelimiter) return false;
  return LastCharStart(path) == path.size() - 1;
}

std::string PathDirectory(const std::string& path) {
  const size_t at = LastDelimiter(path, Separators());
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}
