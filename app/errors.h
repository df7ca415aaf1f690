// Errors that carry the program's fixed messages. Handlers let them out; the application
// error box shows the message.
#pragma once

#include <stdexcept>
#include <string>

// A value that cannot be converted: a packed file date, a date text.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Formats a message with one %s or %d, as the fixed messages are written.
std::string FormatMessageText(const std::string& pattern, const std::string& argument);
std::string FormatMessageText(const std::string& pattern, long long argument);
