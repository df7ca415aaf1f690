// Profile (INI) files: GetPrivateProfileStringW and WritePrivateProfileStringW on a file
// named by its full path. Section and key names match without regard to case. Texts are UTF-8
// here and in the ANSI code page in the file (as the earlier versions wrote it); a text that
// the code page cannot hold exactly is for the caller to keep out (platform/code_page.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The value of `key` in `section` (surrounding blanks and one pair of enclosing quotes
// removed), cut to bufferSize - 1 characters; `fallback` when the file, the section or the
// key is missing.
std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback,
                             size_t bufferSize);

// The names of the keys of `section` in the order they stand in the file, as many as fit a
// buffer of bufferSize characters (each name and its zero, and a final zero); empty when the
// file or section is missing.
std::vector<std::string> ReadProfileKeys(const std::string& file, const std::string& section,
                                         size_t bufferSize);

// Sets `key` of `section` to `value`: a key that exists is rewritten where it stands, a new
// key goes at the end of its section, a new section at the end of the file, and the file is
// made when missing. False when the system refuses the write.
bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value);

}  // namespace platform
