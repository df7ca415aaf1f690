// Double-byte characters of the system's ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Whether a byte starts a double-byte character (one of the code page's lead bytes).
bool IsLeadByte(unsigned char byte);
// Reads the lead-byte ranges of the code page again (with the date settings).
void ReadLeadBytes();
// Puts other lead-byte ranges (inclusive pairs) in force until the next ReadLeadBytes, so
// that double-byte texts can be tried where the system's code page has none.
void UseLeadByteRanges(const std::vector<std::pair<uint8_t, uint8_t>>& ranges);

// The position where the last character of a non-empty text begins: a double-byte character
// is taken whole, walking from the start as the bytes pair up.
size_t LastCharStart(const std::string& text);
// Whether the byte at pos is the second byte of a double-byte character.
bool IsTrailByteAt(const std::string& text, size_t pos);
