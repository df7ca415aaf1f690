// Texts between the program's UTF-8 and the wide calls' UTF-16. Every call to Windows is a
// wide one: the ANSI calls would map a character that the code page lacks to a look-alike
// ("best fit": U+00A5 to the path delimiter 0x5C, "é" to "e") or to a short (8.3) name.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// Exact conversions between the program's UTF-8 texts and the wide calls' UTF-16 (see
// platform/utf.h: lone surrogates are carried, invalid UTF-8 becomes U+FFFD).
std::wstring ToWide(std::string_view text, bool* exact = nullptr);
std::string FromWide(std::wstring_view text);

// The wide path that the wide file functions are given: with "\\?\" ("\\?\UNC\" for
// "\\server\share") once it is 260 UTF-16 units or more, where the plain form would fail; a
// relative or unnormalised path is made full first, as the prefix takes it literally. A path
// that is no UTF-8 gives an empty path, which names no file.
std::wstring WidePath(const std::string& path);

}  // namespace platform::win32
