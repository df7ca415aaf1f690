#include "platform/console.h"

#include <windows.h>

namespace platform {
namespace {

bool WriteAll(HANDLE handle, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                   nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  return true;
}

}  // namespace

bool WriteStandardOutput(const std::string& bytes) {
  return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
}

void WriteStandardError(const std::string& bytes) {
  WriteAll(GetStdHandle(STD_ERROR_HANDLE), bytes);
}

bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

std::string SystemErrorText(uint32_t code) {
  char text[512];
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
      nullptr, code, 0, text, sizeof text, nullptr);
  while (length > 0 && static_cast<unsigned char>(text[length - 1]) <= ' ') --length;
  if (length == 0) return "error " + std::to_string(code);
  return std::string(text, length);
}

}  // namespace platform
