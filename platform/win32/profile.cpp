// The profile functions keep a file without a byte-order mark in the ANSI code page, as the
// settings file stays so that earlier versions read it; the wide ones convert each text.
#include "platform/profile.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace platform {

std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback,
                             size_t bufferSize) {
  std::wstring buffer(bufferSize, L'\0');
  const DWORD length = GetPrivateProfileStringW(
      win32::ToWide(section).c_str(), win32::ToWide(key).c_str(), win32::ToWide(fallback).c_str(),
      buffer.data(), static_cast<DWORD>(bufferSize), win32::ToWide(file).c_str());
  buffer.resize(length);
  return win32::FromWide(buffer);
}

std::vector<std::string> ReadProfileKeys(const std::string& file, const std::string& section,
                                         size_t bufferSize) {
  std::wstring buffer(bufferSize, L'\0');
  const DWORD length =
      GetPrivateProfileStringW(win32::ToWide(section).c_str(), nullptr, L"", buffer.data(),
                               static_cast<DWORD>(bufferSize), win32::ToWide(file).c_str());
  // Names follow each other, each ended by a zero; an empty name ends the list.
  std::vector<std::string> names;
  for (size_t at = 0; at < length && buffer[at] != L'\0';) {
    const size_t end = buffer.find(L'\0', at);
    names.push_back(win32::FromWide(std::wstring_view(buffer).substr(at, end - at)));
    at = end + 1;
  }
  return names;
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
  return WritePrivateProfileStringW(win32::ToWide(section).c_str(), win32::ToWide(key).c_str(),
                                    win32::ToWide(value).c_str(), win32::ToWide(file).c_str()) != 0;
}

}  // namespace platform
