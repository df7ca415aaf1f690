#include "platform/posix/profile_text.h"

#include <algorithm>

namespace platform::posix {
namespace {

constexpr const char* kLineEnd = "\r\n";

// What the profile functions trim around names and values: white space and Ctrl-Z.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; }

char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Fold(x) == Fold(y); });
}

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

enum class Kind { Blank, Comment, Section, Key };

// One line of the file: where it stands, and what it says.
struct Line {
  size_t begin;  // first byte
  size_t end;    // after the last byte before its line end
  size_t next;   // the start of the next line
  Kind kind;
  std::string name;                  // the section's or the key's
  std::optional<std::string> value;  // a key's, when it has "="
};

std::vector<Line> Lines(const std::string& text) {
  std::vector<Line> lines;
  for (size_t begin = 0; begin < text.size();) {
    size_t next = text.find('\n', begin);
    next = next == std::string::npos ? text.size() : next + 1;
    size_t end = next;
    if (end > begin && text[end - 1] == '\n') --end;
    if (end > begin && text[end - 1] == '\r') --end;
    Line line{begin, end, next, Kind::Blank, {}, {}};
    const std::string content = Trim(text.substr(begin, end - begin));
    const size_t close = content.rfind(']');
    if (content.empty()) {
      line.kind = Kind::Blank;
    } else if (content[0] == '[' && close != std::string::npos) {
      line.kind = Kind::Section;
      line.name = content.substr(1, close - 1);
    } else if (content[0] == ';') {
      line.kind = Kind::Comment;
    } else {
      line.kind = Kind::Key;
      const size_t equals = content.find('=');
      line.name = Trim(content.substr(0, equals));
      if (equals != std::string::npos) line.value = Trim(content.substr(equals + 1));
    }
    lines.push_back(std::move(line));
    begin = next;
  }
  return lines;
}

// The lines of the first section of that name: [first, last) after its header; first is
// npos when there is none.
struct SectionRange {
  size_t header = std::string::npos;
  size_t first = 0, last = 0;
};

SectionRange FindSection(const std::vector<Line>& lines, const std::string& section) {
  SectionRange range;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Kind::Section) continue;
    if (range.header != std::string::npos) {
      range.last = i;
      return range;
    }
    if (SameName(lines[i].name, section)) {
      range.header = i;
      range.first = i + 1;
    }
  }
  range.last = lines.size();
  return range;
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::optional<std::string> ProfileValue(const std::string& text, const std::string& section,
                                        const std::string& key) {
  const std::vector<Line> lines = Lines(text);
  const SectionRange range = FindSection(lines, section);
  if (range.header == std::string::npos) return std::nullopt;
  for (size_t i = range.first; i < range.last; ++i) {
    if (lines[i].kind == Kind::Key && SameName(lines[i].name, key)) {
      return Unquote(lines[i].value.value_or(std::string()));
    }
  }
  return std::nullopt;
}

std::vector<std::string> ProfileKeyNames(const std::string& text, const std::string& section) {
  const std::vector<Line> lines = Lines(text);
  const SectionRange range = FindSection(lines, section);
  std::vector<std::string> names;
  if (range.header == std::string::npos) return names;
  for (size_t i = range.first; i < range.last; ++i) {
    if (lines[i].kind == Kind::Key) names.push_back(lines[i].name);
  }
  return names;
}

std::string WithProfileValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value) {
  const std::vector<Line> lines = Lines(text);
  const SectionRange range = FindSection(lines, section);
  std::string result = text;
  if (range.header == std::string::npos) {
    if (!result.empty() && result.back() == '\r') result += '\n';  // its line end made whole
    if (!result.empty() && result.back() != '\n') result += kLineEnd;
    return result + "[" + section + "]" + kLineEnd + key + "=" + value + kLineEnd;
  }
  for (size_t i = range.first; i < range.last; ++i) {
    const Line& line = lines[i];
    if (line.kind == Kind::Key && SameName(line.name, key)) {
      return result.replace(line.begin, line.end - line.begin, line.name + "=" + value);
    }
  }
  // After the last line of the section that is not blank (its header when it has none).
  size_t after = range.header;
  for (size_t i = range.first; i < range.last; ++i) {
    if (lines[i].kind != Kind::Blank) after = i;
  }
  const Line& last = lines[after];
  std::string inserted = key + "=" + value + kLineEnd;
  if (last.next == last.end) {
    inserted = kLineEnd + inserted;  // the file ended without a line end
  } else if (text[last.next - 1] == '\r') {
    inserted = "\n" + inserted;  // nor with a whole one
  }
  return result.insert(last.next, inserted);
}

}  // namespace platform::posix
