// The comparison that orders rows by a column's text.
#pragma once

#include <string>

// Compares two texts as the bytes of their ANSI forms compare, 'a'..'z' folded to upper case
// wherever they stand (also as the second byte of a double-byte character), so that the
// order is the one the code page gives (a Japanese user's kanji by reading, as code page 932
// orders them); a text that starts a longer one goes first. A character that the code page
// cannot hold sorts after every character that it can, by code point (and a byte that is no
// UTF-8 after all of them, by its value). Where the code page is UTF-8 (Linux), the order is
// that of the UTF-8 bytes, ASCII letters folded: the order of the code points.
int CompareCaseless(const std::string& a, const std::string& b);
