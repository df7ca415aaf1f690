// The profile functions on Linux: the file is read whole and written back whole, changed
// only where the written key stands. The file is in the ANSI code page (UTF-8 here, unless a
// test puts code page 932 in force): texts are converted on their way in and out.
#include "platform/profile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/code_page.h"
#include "platform/posix/file_info.h"
#include "platform/posix/profile_text.h"

namespace platform {
namespace {

bool ReadWhole(const std::string& path, std::string& text) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  text.clear();
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return n == 0;
}

bool WriteWhole(const std::string& path, const std::string& text) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  size_t written;
  const bool whole = posix::WriteAll(fd, text.data(), text.size(), written);
  return close(fd) == 0 && whole;
}

}  // namespace

std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback,
                             size_t bufferSize) {
  std::string text, ansiSection, ansiKey;
  std::optional<std::string> value;
  if (Utf8ToAnsi(section, ansiSection) && Utf8ToAnsi(key, ansiKey) && ReadWhole(file, text))
    value = posix::ProfileValue(text, ansiSection, ansiKey);
  std::string result = value ? AnsiToUtf8(*value) : fallback;
  if (bufferSize == 0) return {};
  if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
  return result;
}

std::vector<std::string> ReadProfileKeys(const std::string& file, const std::string& section,
                                         size_t bufferSize) {
  std::string text, ansiSection;
  if (!Utf8ToAnsi(section, ansiSection) || !ReadWhole(file, text)) return {};
  std::vector<std::string> names;
  size_t room = bufferSize > 0 ? bufferSize - 1 : 0;  // the final zero
  for (std::string& name : posix::ProfileKeyNames(text, ansiSection)) {
    name = AnsiToUtf8(name);
    if (room <= 1) break;
    if (name.size() + 1 > room) name.resize(room - 1);  // cut, as the buffer cuts it
    room -= name.size() + 1;
    names.push_back(std::move(name));
  }
  return names;
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
  std::string text, ansiSection, ansiKey, ansiValue;
  if (!Utf8ToAnsi(section, ansiSection) || !Utf8ToAnsi(key, ansiKey) ||
      !Utf8ToAnsi(value, ansiValue))
    return false;
  if (access(file.c_str(), F_OK) == 0 && !ReadWhole(file, text)) return false;
  return WriteWhole(file, posix::WithProfileValue(text, ansiSection, ansiKey, ansiValue));
}

}  // namespace platform
