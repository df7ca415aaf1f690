#include "app/command_line.h"

#include "entries/code_page.h"

namespace {

constexpr size_t kMaxArgument = 4096;

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

// Reads one argument from pos; returns false when the text holds no more.
bool NextArgument(const std::string& text, size_t& pos, std::string& argument) {
  for (;;) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos + 1 < text.size() && text[pos] == '"' && text[pos + 1] == '"') {
      pos += 2;
    } else {
      break;
    }
  }
  if (pos >= text.size() || text[pos] == '\0') return false;
  argument.clear();
  // Copies one character (a double-byte one whole) from pos.
  auto take = [&] {
    const size_t width =
        IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    if (argument.size() + width <= kMaxArgument) argument.append(text, pos, width);
    pos += width;
  };
  while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ') {
    if (text[pos] == '"') {
      ++pos;
      while (pos < text.size() && text[pos] != '\0' && text[pos] != '"') take();
      if (pos < text.size() && text[pos] == '"') ++pos;
    } else {
      take();
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> CommandLineArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  size_t pos = 0;
  std::string argument;
  if (!NextArgument(commandLine, pos, argument)) return arguments;  // the program name
  while (NextArgument(commandLine, pos, argument)) arguments.push_back(argument);
  return arguments;
}
