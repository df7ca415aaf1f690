#include "platform/profile.h"

#include <windows.h>

namespace platform {

std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback,
                             size_t bufferSize) {
  std::string buffer(bufferSize, '\0');
  const DWORD length =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                               static_cast<DWORD>(bufferSize), file.c_str());
  buffer.resize(length);
  return buffer;
}

std::vector<std::string> ReadProfileKeys(const std::string& file, const std::string& section,
                                         size_t bufferSize) {
  std::string buffer(bufferSize, '\0');
  const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                static_cast<DWORD>(bufferSize), file.c_str());
  // Names follow each other, each ended by a zero; an empty name ends the list.
  std::vector<std::string> names;
  for (size_t at = 0; at < length && buffer[at] != '\0';) {
    const size_t end = buffer.find('\0', at);
    names.push_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace platform
