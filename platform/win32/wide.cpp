#include "platform/win32/wide.h"

#include <windows.h>

#include "platform/utf.h"

namespace platform::win32 {
namespace {

constexpr size_t kLongPath = MAX_PATH;  // 260: the ANSI functions fail from here on

bool IsBlank(wchar_t c) { return c != 0 && c <= L' '; }

// Splits as the window splits its command line: runs of characters 1 to 32 separate the
// arguments, a stretch in double quotes may hold blanks and loses its quotes, and an empty
// pair of quotes before an argument is skipped.
std::vector<std::wstring> SplitArguments(std::wstring_view text) {
  std::vector<std::wstring> arguments;
  size_t pos = 0;
  for (;;) {
    for (;;) {
      while (pos < text.size() && IsBlank(text[pos])) ++pos;
      if (pos + 1 < text.size() && text[pos] == L'"' && text[pos + 1] == L'"') {
        pos += 2;
      } else {
        break;
      }
    }
    if (pos >= text.size() || text[pos] == 0) return arguments;
    std::wstring argument;
    while (pos < text.size() && text[pos] > L' ') {
      if (text[pos] == L'"') {
        ++pos;
        while (pos < text.size() && text[pos] != 0 && text[pos] != L'"') argument += text[pos++];
        if (pos < text.size() && text[pos] == L'"') ++pos;
      } else {
        argument += text[pos++];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring ToWide(std::string_view text, bool* exact) {
  const std::u16string wide = Utf8ToUtf16(text, exact);
  return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size());
}

std::string FromWide(std::wstring_view text) {
  return Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

bool ToCodePage(std::wstring_view wide, std::string& text) {
  text.clear();
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                       0, nullptr, &usedDefault);
  text.resize(size);
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), size, nullptr,
                      &usedDefault);
  return size > 0 && !usedDefault;
}

std::wstring FromCodePage(const std::string& text) {
  std::wstring wide;
  if (text.empty()) return wide;
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  wide.resize(size);
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
  return wide;
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = FromCodePage(path);
  if (path.size() < kLongPath || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size > 0) {
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length > 0 && length < size) {
      full.resize(length);
      wide = std::move(full);
    }
  }
  if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return L"\\\\?\\" + wide;
}

bool CodePagePath(const std::wstring& path, std::string& text) {
  if (ToCodePage(path, text)) return true;
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return false;
  std::wstring shortPath(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
  if (length == 0 || length >= size) return false;
  shortPath.resize(length);
  std::string shortText;
  if (!ToCodePage(shortPath, shortText)) return false;
  text = std::move(shortText);
  return true;
}

CodePageCommandLine CommandLineInCodePage(std::wstring_view line) {
  CodePageCommandLine result;
  const std::vector<std::wstring> arguments = SplitArguments(line);
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string text;
    // The program's name is only skipped by the window: it is kept as the code page shows it.
    if (!CodePagePath(arguments[i], text) && i > 0) {
      result.unnamable.push_back(std::move(text));
      continue;
    }
    bool blank = false;
    for (char c : text) blank = blank || static_cast<unsigned char>(c) <= ' ';
    if (i > 0) result.line += ' ';
    result.line += blank ? "\"" + text + "\"" : text;
  }
  return result;
}

}  // namespace platform::win32
