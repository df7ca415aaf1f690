// Text inside the program is UTF-8; Windows speaks UTF-16. NTFS names need not be valid
// UTF-16 (a lone surrogate is allowed), so the conversion is the generalised UTF-8 that keeps
// lone surrogates (WTF-8): every UTF-16 name has exactly one form here and comes back as
// itself, so no name ever stands for another.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-16 units to UTF-8; a lone surrogate becomes its own three bytes (ED A0..BF xx).
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 (with lone surrogates as Utf16ToUtf8 writes them) to UTF-16 units. A byte that starts
// no character, an overlong or cut-short sequence, or a paired surrogate written as two
// sequences, is invalid: it becomes U+FFFD and `exact` (when given) is set false.
std::u16string Utf8ToUtf16(std::string_view text, bool* exact = nullptr);

// Whether the text is UTF-8 as Utf8ToUtf16 takes it exactly; `surrogates` lets lone
// surrogates pass (they name files on Windows, but no text that a user types holds one).
bool IsUtf8(std::string_view text, bool surrogates = true);

// The code point of the character at `pos`, and the position after it; an invalid byte is
// taken alone and gives 0xFFFFFFFF.
char32_t NextCodePoint(std::string_view text, size_t& pos);

}  // namespace platform
