// The settings file's texts: an INI text of any bytes, a key written into it, and numbers.
// Writing a key changes its own line (or adds its line, and its section) and keeps every
// other line; the value reads back; a number reads back as it was written.
//
// Input: the section, key and value to write, each up to a NUL byte, then the file's text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/posix/profile_text.h"
#include "settings/settings_file.h"

namespace {

// The input up to the next NUL (all of it when there is none).
std::string Take(const uint8_t*& data, size_t& size) {
  const auto* end = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  const size_t length = end ? static_cast<size_t>(end - data) : size;
  std::string text(reinterpret_cast<const char*>(data), length);
  const size_t used = std::min(size, length + 1);
  data += used;
  size -= used;
  return text;
}

// The lines of a text without their line ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    end = end == std::string::npos ? text.size() : end;
    if (end > begin && text[end - 1] == '\r') --end;
    lines.push_back(text.substr(begin, end - begin));
    begin = next;
  }
  return lines;
}

// A name or value that the profile rules keep as written.
bool Plain(const std::string& text, bool name) {
  if (text.empty() && name) return false;
  for (const char c : text) {
    if (c == '\r' || c == '\n' || (name && (c == '=' || c == ']' || c == '['))) return false;
  }
  // What the profile rules trim around names and values.
  auto trimmed = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; };
  if (!text.empty() && (trimmed(text.front()) || trimmed(text.back()) || text.front() == ';')) {
    return false;
  }
  if (!name && text.size() >= 2 && (text[0] == '"' || text[0] == '\'')) return false;
  return true;
}

// How often each line stands in a text.
std::map<std::string, int> Counted(const std::vector<std::string>& lines) {
  std::map<std::string, int> counts;
  for (const std::string& line : lines) ++counts[line];
  return counts;
}

void CheckNumber(const std::string& text) {
  const int32_t a = ParseSettingsNumber(text, 1), b = ParseSettingsNumber(text, 2);
  if (a != b) return;  // no number: the fallback came back
  const std::string written = std::to_string(a);
  if (ParseSettingsNumber(written, a == 0 ? 1 : 0) != a)
    fuzzcheck::Fail("number not read back", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string section = Take(data, size);
  const std::string key = Take(data, size);
  const std::string value = Take(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckNumber(value);

  platform::posix::ProfileKeyNames(text, section);
  const std::string written = platform::posix::WithProfileValue(text, section, key, value);
  if (!Plain(section, true) || !Plain(key, true) || !Plain(value, false)) return 0;

  const auto read = platform::posix::ProfileValue(written, section, key);
  if (!read || *read != value) fuzzcheck::Fail("the written value does not read back", written);

  // Every line of the text is still there, but for the key's own line; at most the section's
  // line and the key's line are new (a last line without its end gets one, which changes no
  // line).
  std::map<std::string, int> before = Counted(Lines(text)), after = Counted(Lines(written));
  int gone = 0, added = 0;
  for (const auto& [line, count] : before) gone += std::max(0, count - after[line]);
  for (const auto& [line, count] : after) added += std::max(0, count - before[line]);
  if (gone > 1 || added > 2) {
    fuzzcheck::Fail(std::to_string(gone) + " lines gone, " + std::to_string(added) + " added",
                    written);
  }
  return 0;
}
