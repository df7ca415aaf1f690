#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/name_hash.h"

namespace platform {
namespace {

// The path with "." and ".." taken away by their names and doubled slashes made one, from
// the working folder when it is relative: the canonical form of a path that does not exist.
std::string NormalPath(const std::string& path) {
  std::string whole = path;
  if (whole.empty() || whole[0] != '/') {
    char* working = getcwd(nullptr, 0);
    if (working) {
      whole = std::string(working) + "/" + whole;
      std::free(working);
    }
  }
  std::vector<std::string> names;
  for (size_t at = 0; at <= whole.size();) {
    size_t end = whole.find('/', at);
    if (end == std::string::npos) end = whole.size();
    const std::string name = whole.substr(at, end - at);
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    at = end + 1;
  }
  std::string normal;
  for (const std::string& name : names) normal += "/" + name;
  return normal.empty() ? "/" : normal;
}

}  // namespace

// The path the file system resolves (links too, as an open follows them); ASCII letters
// folded as on Windows, so that both builds group paths the same way.
uint64_t PathNameHash(const std::string& path) {
  std::string canonical;
  if (char* real = realpath(path.c_str(), nullptr)) {
    canonical = real;
    std::free(real);
  } else {
    canonical = NormalPath(path);
  }
  for (char& c : canonical) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return detail::HashBytes(canonical.data(), canonical.size());
}

}  // namespace platform
