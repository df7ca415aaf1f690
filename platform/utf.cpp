#include "platform/utf.h"

namespace platform {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  size_t length;
  char32_t c, least;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    ++pos;
    return kInvalid;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kInvalid;
  }
  for (size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return kInvalid;
    }
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  if (c < least || c > 0x10FFFF) {
    ++pos;
    return kInvalid;
  }
  pos += length;
  return c;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    Append(out, c);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text, bool* exact) {
  std::u16string out;
  out.reserve(text.size());
  bool valid = true;
  char32_t previous = kInvalid;
  for (size_t pos = 0; pos < text.size();) {
    char32_t c = NextCodePoint(text, pos);
    // A pair written as two sequences would read back as one character: it has one form only.
    if (c == kInvalid || (IsLowSurrogate(c) && IsHighSurrogate(previous))) {
      valid = false;
      c = 0xFFFD;
    }
    previous = c;
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  if (exact) *exact = valid;
  return out;
}

bool IsUtf8(std::string_view text, bool surrogates) {
  char32_t previous = kInvalid;
  for (size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    if (c == kInvalid) return false;
    const bool surrogate = IsHighSurrogate(c) || IsLowSurrogate(c);
    if (surrogate && (!surrogates || (IsLowSurrogate(c) && IsHighSurrogate(previous)))) {
      return false;
    }
    previous = c;
  }
  return true;
}

}  // namespace platform
