#include "entries/path_kind.h"

#include "platform/files.h"

namespace {

// No byte of a UTF-8 character is a delimiter, a colon or a dot.
std::string Separators() { return std::string(1, platform::kPathDelimiter) + ":"; }

}  // namespace

std::string PathKind(const std::string& path) {
  const size_t at = path.find_last_of("." + Separators());
  if (at == std::string::npos || path[at] != '.') return {};
  return path.substr(at + 1);
}

bool EndsWithDelimiter(const std::string& path) {
  return !path.empty() && path.back() == platform::kPathDelimiter;
}

std::string PathDirectory(const std::string& path) {
  const size_t at = path.find_last_of(Separators());
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}
