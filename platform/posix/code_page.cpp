// Linux names and texts are UTF-8, and so is its ANSI code page: the conversions give the text
// as it is. For tests, code page 932 can be put in force (hooks::ansiCodePage932), read from
// glibc's tables; a character counts only where it converts back to the same bytes, as glibc
// maps some characters to look-alikes (U+00A5 to 0x5C) that Windows refuses.
#include <iconv.h>

#include <vector>

#include "platform/code_page.h"
#include "platform/hooks.h"
#include "platform/native.h"
#include "platform/utf.h"

namespace platform {
namespace {

constexpr char16_t kNoCharacter = 0xFFFF;

bool IsLead932(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string Convert(iconv_t converter, std::string_view in) {
  std::string out(8, '\0');
  char* from = const_cast<char*>(in.data());
  size_t fromLeft = in.size();
  char* to = out.data();
  size_t toLeft = out.size();
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &from, &fromLeft, &to, &toLeft) == static_cast<size_t>(-1) || fromLeft)
    return {};
  out.resize(out.size() - toLeft);
  return out;
}

// The characters of code page 932 by code (the decoding), every code that glibc reads.
struct Tables {
  std::vector<char16_t> characters = std::vector<char16_t>(0x10000, kNoCharacter);
  std::vector<std::pair<uint16_t, char32_t>> exact;
};

const Tables& Cp932() {
  static const Tables tables = [] {
    Tables t;
    iconv_t decoder = iconv_open("UTF-8", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-8");
    auto tryCode = [&](uint16_t code) {
      std::string bytes;
      if (code > 0xFF) bytes += static_cast<char>(code >> 8);
      bytes += static_cast<char>(code & 0xFF);
      const std::string text = Convert(decoder, bytes);
      size_t pos = 0;
      if (text.empty() && code != 0) return;
      const char32_t c = text.empty() ? 0 : NextCodePoint(text, pos);
      if (pos != text.size() || c >= 0xFFFF) return;
      t.characters[code] = static_cast<char16_t>(c);
      if (Convert(encoder, text) == bytes || code == 0) t.exact.emplace_back(code, c);
    };
    for (int b = 0; b < 256; ++b) {
      if (!IsLead932(static_cast<unsigned char>(b))) {
        tryCode(static_cast<uint16_t>(b));
        continue;
      }
      for (int trail = 0x40; trail <= 0xFC; ++trail) tryCode(static_cast<uint16_t>(b << 8 | trail));
    }
    iconv_close(decoder);
    iconv_close(encoder);
    return t;
  }();
  return tables;
}

void AppendUtf8(char32_t c, std::string& out) {
  out += Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(c)));
}

}  // namespace

bool AnsiCodePageIsUtf8() { return !hooks::ansiCodePage932; }

uint32_t native::AnsiCodePage() { return hooks::ansiCodePage932 ? 932 : 65001; }

std::vector<std::pair<uint16_t, char32_t>> native::AnsiCharacters() {
  if (!hooks::ansiCodePage932) return {};
  return Cp932().exact;
}

std::string AnsiToUtf8(std::string_view bytes) {
  if (!hooks::ansiCodePage932) return std::string(bytes);
  const std::vector<char16_t>& characters = Cp932().characters;
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      text += static_cast<char>(byte);
      ++i;
      continue;
    }
    uint16_t code = byte;
    if (IsLead932(byte) && i + 1 < bytes.size()) {
      code = static_cast<uint16_t>(byte << 8 | static_cast<unsigned char>(bytes[i + 1]));
      ++i;
    }
    ++i;
    const char16_t c = characters[code];
    AppendUtf8(c == kNoCharacter ? 0xFFFD : c, text);
  }
  return text;
}

bool Utf8ToAnsi(std::string_view text, std::string& bytes) {
  if (!hooks::ansiCodePage932) {
    bytes.assign(text);
    return true;
  }
  const uint16_t* codes = AnsiCodes();
  bytes.clear();
  bytes.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    const uint16_t code = c < 0x10000 ? codes[c] : kNoAnsiCode;
    if (code == kNoAnsiCode) return false;
    if (code > 0xFF) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
  }
  return true;
}

}  // namespace platform
