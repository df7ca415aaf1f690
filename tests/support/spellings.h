// The spellings under which the system opens one file: through "." and "..", and on Windows
// with trailing dots and blanks, with '/' for '\' and by its short (8.3) name.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>
#include <vector>

#include "support/temp_tree.h"

namespace testsupport {

// The spellings of `folder`/`name` in `tree` (ASCII names; `folder` must hold a folder
// "sub"), the plain full path last.
inline std::vector<std::string> SpellingsOf(TempTree& tree, const std::string& folder,
                                            const std::string& name) {
  tree.AddFolder(folder + "/sub");
  const std::string base = tree.Path(folder), plain = tree.Path(folder + "/" + name);
  const char sep = platform::kPathDelimiter;
  std::vector<std::string> spellings = {
      base + sep + "." + sep + name,
      base + sep + "sub" + sep + ".." + sep + name,
  };
#ifdef _WIN32
  spellings.push_back(plain + ".");
  spellings.push_back(plain + " . ");
  std::string slashes = plain;
  for (char& c : slashes) c = c == '\\' ? '/' : c;
  spellings.push_back(slashes);
  const std::wstring wide(plain.begin(), plain.end());
  wchar_t shortName[MAX_PATH];
  const DWORD length = GetShortPathNameW(wide.c_str(), shortName, MAX_PATH);
  if (length > 0 && length < MAX_PATH && std::wstring(shortName) != wide) {
    spellings.emplace_back(shortName, shortName + length);  // ASCII: one byte a character
  }
#endif
  spellings.push_back(plain);
  return spellings;
}

}  // namespace testsupport
