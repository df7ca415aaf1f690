#include "settings/settings_file.h"

#include <stdexcept>

#include "core/errors.h"
#include "entries/path_kind.h"
#include "platform/code_page.h"
#include "platform/profile.h"

std::unique_ptr<TSettingsFile> SettingsFile;

namespace {
constexpr size_t kTextBuffer = 2048;
constexpr size_t kKeyNamesBuffer = 16384;
}  // namespace

std::string TSettingsFile::ReadText(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  return platform::ReadProfileValue(path_, section, key, fallback, kTextBuffer);
}

int32_t TSettingsFile::ReadNumber(const std::string& section, const std::string& key,
                                  int32_t fallback) const {
  return ParseSettingsNumber(ReadText(section, key, ""), fallback);
}

bool TSettingsFile::ReadFlag(const std::string& section, const std::string& key,
                             bool fallback) const {
  return ReadNumber(section, key, fallback ? 1 : 0) != 0;
}

void TSettingsFile::WriteText(const std::string& section, const std::string& key,
                              const std::string& value) {
  if (!platform::WriteProfileValue(path_, section, key, value)) {
    throw std::runtime_error(FormatMessageText("%s に書き込めません", path_));
  }
}

void TSettingsFile::WriteNumber(const std::string& section, const std::string& key, int32_t value) {
  WriteText(section, key, std::to_string(value));
}

void TSettingsFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
  WriteText(section, key, value ? "1" : "0");
}

bool TSettingsFile::Holds(const std::string& text) {
  std::string bytes;
  return platform::Utf8ToAnsi(text, bytes);
}

void TSettingsFile::ReadKeyNames(const std::string& section, std::vector<std::string>& list) const {
  list = platform::ReadProfileKeys(path_, section, kKeyNamesBuffer);
}

int32_t ParseSettingsNumber(const std::string& text, int32_t fallback) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int base = 10;
  bool negative = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i++] == '-';
  }
  if (i == text.size()) return fallback;
  const uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    int digit;
    const char c = text[i];
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && upper >= 'A' && upper <= 'F') {
      digit = upper - 'A' + 10;
    } else {
      return fallback;
    }
    value = value * base + digit;
    if (value > limit) return fallback;
  }
  if (negative) return static_cast<int32_t>(-static_cast<int64_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::string SettingsFilePath(const std::string& program) {
  const size_t nameStart = PathDirectory(program).size();
  const size_t dot = program.rfind('.');  // never a byte of a UTF-8 character
  if (dot == std::string::npos || dot < nameStart) return program + ".ini";
  return program.substr(0, dot) + ".ini";
}
