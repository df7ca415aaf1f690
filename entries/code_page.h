// Bytes of the system's ANSI code page, where they are still read: list files written in it
// (listfile/). Texts inside the program are UTF-8 and need none of this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Whether a byte starts a double-byte character (one of the code page's lead bytes).
bool IsLeadByte(unsigned char byte);
// Reads the lead-byte ranges of the code page again.
void ReadLeadBytes();
// Puts other lead-byte ranges (inclusive pairs) in force until the next ReadLeadBytes, so
// that double-byte texts can be tried where the system's code page has none.
void UseLeadByteRanges(const std::vector<std::pair<uint8_t, uint8_t>>& ranges);

// Whether the code page writes the character (a code point) with two bytes.
bool IsDoubleByteCharacter(char32_t character);
