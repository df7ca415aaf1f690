#include <windows.h>

#include "platform/code_page.h"
#include "platform/native.h"
#include "platform/utf.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Exact only: no best-fit look-alike, and no character replaced by the default one.
bool WideToAnsi(std::wstring_view wide, std::string& bytes) {
  bytes.clear();
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                       0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return false;
  bytes.resize(static_cast<size_t>(size));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size,
                      nullptr, &usedDefault);
  return !usedDefault;
}

}  // namespace

bool AnsiCodePageIsUtf8() { return GetACP() == CP_UTF8; }

std::string AnsiToUtf8(std::string_view bytes) {
  // ASCII reads as itself in every ANSI code page.
  if (IsAscii(bytes) || AnsiCodePageIsUtf8()) return std::string(bytes);
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), size);
  return win32::FromWide(wide);
}

bool Utf8ToAnsi(std::string_view text, std::string& bytes) {
  if (IsAscii(text)) {
    bytes.assign(text);
    return true;
  }
  if (AnsiCodePageIsUtf8()) {
    // A lone surrogate has no form in UTF-8 proper.
    if (!IsUtf8(text, false)) return false;
    bytes.assign(text);
    return true;
  }
  bool exact = true;
  const std::wstring wide = win32::ToWide(text, &exact);
  if (!exact) return false;
  return WideToAnsi(wide, bytes);
}

uint32_t native::AnsiCodePage() { return GetACP(); }

// Every byte and double-byte sequence that the code page reads as a character which converts
// back to the same bytes.
std::vector<std::pair<uint16_t, char32_t>> native::AnsiCharacters() {
  std::vector<std::pair<uint16_t, char32_t>> characters;
  CPINFO info;
  if (AnsiCodePageIsUtf8() || !GetCPInfo(CP_ACP, &info) || info.MaxCharSize > 2) return characters;
  bool lead[256] = {};
  for (int i = 0; i + 1 < MAX_LEADBYTES && (info.LeadByte[i] || info.LeadByte[i + 1]); i += 2) {
    for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead[b] = true;
  }
  auto tryCode = [&](uint16_t code) {
    char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    const int length = code > 0xFF ? 2 : 1;
    const char* start = code > 0xFF ? bytes : bytes + 1;
    wchar_t wide[2];
    // Without MB_ERR_INVALID_CHARS, as list files are read: a code that reads as a character
    // and writes back as itself is that character's (Wine counts 0xA0 of code page 932 as
    // invalid only with the flag). A code that reads as the default character fails below.
    if (MultiByteToWideChar(CP_ACP, 0, start, length, wide, 2) != 1) return;
    std::string back;
    if (WideToAnsi(std::wstring_view(wide, 1), back) && back == std::string_view(start, length))
      characters.emplace_back(code, static_cast<char32_t>(wide[0]));
  };
  for (int b = 0; b < 256; ++b) {
    if (!lead[b]) {
      tryCode(static_cast<uint16_t>(b));
      continue;
    }
    for (int trail = 0x40; trail <= 0xFF; ++trail) tryCode(static_cast<uint16_t>(b << 8 | trail));
  }
  return characters;
}

}  // namespace platform
