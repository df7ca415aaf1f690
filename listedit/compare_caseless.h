// The comparison that orders rows by a column's text.
#pragma once

#include <string>

// Compares the stored bytes, folding 'a'..'z' to upper case wherever they stand (also as the
// second byte of a double-byte character); a text that starts a longer one goes first.
int CompareCaseless(const std::string& a, const std::string& b);
