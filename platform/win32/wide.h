// Names between the wide calls and the program's code-page texts. The ANSI calls map a
// character that the code page lacks to a look-alike ("best fit": U+00A5 to the path
// delimiter 0x5C, "é" to "e"), so that one name would stand for another file. The program
// reads names with the wide calls and takes only those that the code page writes exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// Exact conversions between the program's UTF-8 texts and the wide calls' UTF-16 (see
// platform/utf.h: lone surrogates are carried, invalid UTF-8 becomes U+FFFD).
std::wstring ToWide(std::string_view text, bool* exact = nullptr);
std::string FromWide(std::wstring_view text);

// The code page's bytes of `wide`; false when some character has no exact form in the code
// page, and `text` then shows it as well as the code page can ('?' for that character).
bool ToCodePage(std::wstring_view wide, std::string& text);
std::wstring FromCodePage(const std::string& text);

// The wide path that the wide file functions are given for a code-page path: with "\\?\"
// ("\\?\UNC\" for "\\server\share") once it is 260 bytes or more, where the plain form would
// fail; a relative or unnormalised path is made full first, as the prefix takes it literally.
std::wstring WidePath(const std::string& path);

// A whole path as the code page holds it: itself when it converts exactly, else its short
// (8.3) form when the volume gives one that does. False when neither does; `text` then shows
// the path as well as the code page can.
bool CodePagePath(const std::wstring& path, std::string& text);

// The arguments of a command line after the program's name, split as the window splits
// them, each as CodePagePath gives it: those that convert joined into one code-page command
// line (an argument with a blank in double quotes), the others apart.
struct CodePageCommandLine {
  std::string line;
  std::vector<std::string> unnamable;
};
CodePageCommandLine CommandLineInCodePage(std::wstring_view line);

}  // namespace platform::win32
