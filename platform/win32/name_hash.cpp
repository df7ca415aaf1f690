#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/name_hash.h"
#include "platform/win32/wide.h"

namespace platform {

// NTFS and FAT compare names by upper-casing them as Unicode; the invariant locale's upper
// case is that mapping.
uint64_t PathNameHash(const std::string& path) {
  const std::wstring wide = win32::ToWide(path);
  const int length = static_cast<int>(wide.size());
  if (length == 0) return detail::HashBytes(path.data(), path.size());
  std::wstring upper(static_cast<size_t>(length), L'\0');
  if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), length, upper.data(), length) !=
      length) {
    return detail::HashBytes(wide.data(), static_cast<size_t>(length) * sizeof(wchar_t));
  }
  return detail::HashBytes(upper.data(), upper.size() * sizeof(wchar_t));
}

}  // namespace platform
