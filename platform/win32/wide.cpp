#include "platform/win32/wide.h"

#include <windows.h>

#include "platform/utf.h"

namespace platform::win32 {
namespace {

constexpr size_t kLongPath = MAX_PATH;  // 260 UTF-16 units: plain paths fail from here on

}  // namespace

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring ToWide(std::string_view text, bool* exact) {
  const std::u16string wide = Utf8ToUtf16(text, exact);
  return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size());
}

std::string FromWide(std::wstring_view text) {
  return Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring WidePath(const std::string& path) {
  bool exact = true;
  std::wstring wide = ToWide(path, &exact);
  if (!exact) return {};
  if (wide.size() < kLongPath || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size > 0) {
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length > 0 && length < size) {
      full.resize(length);
      wide = std::move(full);
    }
  }
  if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return L"\\\\?\\" + wide;
}

}  // namespace platform::win32
