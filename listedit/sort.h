// The order of the rows.
#pragma once

#include <string>

// The column the list is ordered by: 0 date text, 1 path, 2 kind. Every run starts at 0.
extern int SortColumn;

// Compares the stored bytes, folding 'a'..'z' to upper case wherever they stand (also as the
// second byte of a double-byte character); a text that starts a longer one goes first.
int CompareCaseless(const std::string& a, const std::string& b);
