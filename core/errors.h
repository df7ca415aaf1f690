// Errors that carry the program's fixed messages. Handlers let them out; the application
// error box shows the message.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A value that cannot be converted: a packed file date, a date text.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened or read; the message is chosen by the system's error code.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(uint32_t code);
  uint32_t ErrorCode() const { return code_; }

 private:
  uint32_t code_;
};

// A position that a list does not have, such as a field that a row lacks.
class EListError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};
// "リストのインデックスが範囲を超えています (index)".
EListError ListIndexError(int index);

// A file that is being written: it cannot be created, or a write fails.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EFCreateError : public EStreamError {
 public:
  explicit EFCreateError(const std::string& path);
};
class EWriteError : public EStreamError {
 public:
  EWriteError();
};

// Formats a message with one %s or %d, as the fixed messages are written.
std::string FormatMessageText(const std::string& pattern, const std::string& argument);
std::string FormatMessageText(const std::string& pattern, long long argument);
