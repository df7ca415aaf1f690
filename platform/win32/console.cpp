#include "platform/console.h"

#include <windows.h>

#include "platform/code_page.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

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

// A console shows every character as itself, whatever its code page.
bool WriteConsoleText(HANDLE handle, const std::string& text) {
  const std::wstring wide = win32::ToWide(text);
  size_t done = 0;
  while (done < wide.size()) {
    DWORD written = 0;
    if (!WriteConsoleW(handle, wide.data() + done, static_cast<DWORD>(wide.size() - done), &written,
                       nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  return true;
}

}  // namespace

bool StandardOutputIsConsole() { return IsConsole(GetStdHandle(STD_OUTPUT_HANDLE)); }

bool WriteStandardOutput(const std::string& text) {
  const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  return IsConsole(handle) ? WriteConsoleText(handle, text) : WriteAll(handle, text);
}

void WriteStandardError(const std::string& text) {
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (IsConsole(handle)) {
    WriteConsoleText(handle, text);
    return;
  }
  std::string bytes;
  WriteAll(handle, Utf8ToAnsi(text, bytes) ? bytes : text);
}

bool StandardErrorIsTerminal() { return IsConsole(GetStdHandle(STD_ERROR_HANDLE)); }

std::string SystemErrorText(uint32_t code) {
  wchar_t text[512];
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
      nullptr, code, 0, text, sizeof text / sizeof text[0], nullptr);
  while (length > 0 && text[length - 1] <= L' ') --length;
  if (length == 0) return "error " + std::to_string(code);
  return win32::FromWide(std::wstring_view(text, length));
}

}  // namespace platform
