#include "platform/console.h"

#include <unistd.h>

#include "platform/posix/file_info.h"

namespace platform {
namespace {

bool WriteAll(int fd, const std::string& bytes) {
  size_t written;
  return posix::WriteAll(fd, bytes.data(), bytes.size(), written);
}

}  // namespace

bool StandardOutputIsConsole() { return false; }

bool WriteStandardOutput(const std::string& bytes) { return WriteAll(STDOUT_FILENO, bytes); }

void WriteStandardError(const std::string& bytes) { WriteAll(STDERR_FILENO, bytes); }

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::string SystemErrorText(uint32_t code) {
  switch (code) {
    case 1:
      return "Incorrect function.";
    case 2:
      return "The system cannot find the file specified.";
    case 3:
      return "The system cannot find the path specified.";
    case 5:
      return "Access is denied.";
    case 6:
      return "The handle is invalid.";
    case 32:
      return "The process cannot access the file because it is being used by another process.";
    case 80:
      return "The file exists.";
    case 87:
      return "The parameter is incorrect.";
    case 112:
      return "There is not enough space on the disk.";
    default:
      return "error " + std::to_string(code);
  }
}

}  // namespace platform
