// The text of a profile (INI) file, read and changed by the rules of the Win32 profile
// functions, without touching anything else in it: comments, blank lines, other sections,
// unknown keys and line ends stay byte for byte.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform::posix {

// The value of a key: blanks around it and one pair of enclosing quotes removed. Nothing when
// the section or the key is missing.
std::optional<std::string> ProfileValue(const std::string& text, const std::string& section,
                                        const std::string& key);

// The key names of a section in file order (comment lines are no keys).
std::vector<std::string> ProfileKeyNames(const std::string& text, const std::string& section);

// The text with `key` of `section` set to `value`: a key that exists keeps its place and its
// spelling, a new key follows the last line of its section, a new section goes at the end.
std::string WithProfileValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value);

}  // namespace platform::posix
