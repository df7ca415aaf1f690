// The recent files live in the captions of their menu items: "index blank path".
#pragma once

#include <string>

// The position in upper-case hexadecimal without leading zeros: "0" ... "F", "10" ...
std::string RecentItemIndex(int index);

// The caption without everything up to and including its first blank (whole when it has
// none), so that a path with blanks stays whole.
std::string RecentItemPath(const std::string& caption);
