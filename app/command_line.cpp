#include "app/command_line.h"

#include "platform/utf.h"

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
  // Copies one (UTF-8) character whole from pos; an argument is cut before a character that
  // would not fit.
  auto take = [&] {
    const size_t start = pos;
    platform::NextCodePoint(text, pos);
    if (argument.size() + (pos - start) <= kMaxArgument) argument.append(text, start, pos - start);
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
