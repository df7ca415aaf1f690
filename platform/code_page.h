// The system's ANSI code page. Texts inside the program are UTF-8; the code page stays only
// where files must stay readable by earlier versions and by the users' own tools: list files
// and the settings file. No conversion ever takes a look-alike ("best fit": U+00A5 as the
// path delimiter 0x5C, the wave dash U+301C as the fullwidth tilde), which would name another
// file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The bytes of the ANSI code page as UTF-8, each byte or double-byte character as the code
// page reads it.
std::string AnsiToUtf8(std::string_view bytes);

// The UTF-8 text in the ANSI code page; false when some character has no exact form there
// (a lone surrogate or an invalid byte included), and `bytes` is then of no use.
bool Utf8ToAnsi(std::string_view text, std::string& bytes);

// Whether the ANSI code page is UTF-8 itself (Linux; Windows set to use UTF-8): both
// conversions then give the text as it is.
bool AnsiCodePageIsUtf8();

// The code of a BMP character in the ANSI code page: its byte, or lead byte * 256 + trail byte
// for a double-byte character; kNoAnsiCode where the code page has no exact form for it, and
// for every character when the code page is UTF-8. 65,536 codes, by code point, made once for
// each code page.
constexpr uint16_t kNoAnsiCode = 0xFFFF;
const uint16_t* AnsiCodes();

}  // namespace platform
