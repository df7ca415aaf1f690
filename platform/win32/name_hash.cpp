#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/name_hash.h"

namespace platform {

// NTFS and FAT compare names by upper-casing them as Unicode; the invariant locale's upper
// case is that mapping.
uint64_t PathNameHash(const std::string& path) {
  const int size = static_cast<int>(path.size());
  std::wstring wide(static_cast<size_t>(size), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), size);
  if (length <= 0) return detail::HashBytes(path.data(), path.size());
  std::wstring upper(static_cast<size_t>(length), L'\0');
  if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), length, upper.data(), length) !=
      length) {
    return detail::HashBytes(wide.data(), static_cast<size_t>(length) * sizeof(wchar_t));
  }
  return detail::HashBytes(upper.data(), upper.size() * sizeof(wchar_t));
}

}  // namespace platform
