#include "app/errors.h"

std::string FormatMessageText(const std::string& pattern, const std::string& argument) {
  std::string result = pattern;
  const size_t at = result.find("%s");
  if (at != std::string::npos) result.replace(at, 2, argument);
  return result;
}

std::string FormatMessageText(const std::string& pattern, long long argument) {
  std::string result = pattern;
  const size_t at = result.find("%d");
  if (at != std::string::npos) result.replace(at, 2, std::to_string(argument));
  return result;
}
