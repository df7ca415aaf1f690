#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/name_hash.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

constexpr std::wstring_view kLocalPrefix = L"\\\\?\\";
constexpr std::wstring_view kUncPrefix = L"\\\\?\\UNC\\";

// GetFullPathNameW: the full path with '/' made '\', "." and ".." taken away and the dots and
// blanks that end a name dropped, as every open reads the path.
std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

// GetLongPathNameW of a full path: each short (8.3) name made its long name, where the path
// exists. Only a name with a '~' can be a short name that differs from its long one.
std::wstring LongPath(const std::wstring& full) {
  if (full.find(L'~') == std::wstring::npos || full.starts_with(kLocalPrefix)) return full;
  const bool unc = full.starts_with(L"\\\\");
  const std::wstring prefixed =
      unc ? std::wstring(kUncPrefix) + full.substr(2) : std::wstring(kLocalPrefix) + full;
  const DWORD size = GetLongPathNameW(prefixed.c_str(), nullptr, 0);
  if (size == 0) return full;
  std::wstring made(size, L'\0');
  const DWORD length = GetLongPathNameW(prefixed.c_str(), made.data(), size);
  if (length == 0 || length >= size) return full;
  made.resize(length);
  if (made.starts_with(kUncPrefix)) return L"\\\\" + made.substr(kUncPrefix.size());
  if (made.starts_with(kLocalPrefix)) return made.substr(kLocalPrefix.size());
  return made;
}

}  // namespace

// The canonical path, upper-cased as NTFS and FAT compare names (the invariant locale's
// upper case is that mapping).
uint64_t PathNameHash(const std::string& path) {
  const std::wstring wide = LongPath(FullPath(win32::FromCodePage(path)));
  const int length = static_cast<int>(wide.size());
  std::wstring upper(wide.size(), L'\0');
  if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), length, upper.data(), length) !=
      length) {
    return detail::HashBytes(wide.data(), wide.size() * sizeof(wchar_t));
  }
  return detail::HashBytes(upper.data(), upper.size() * sizeof(wchar_t));
}

}  // namespace platform
