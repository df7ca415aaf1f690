#include "platform/process.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

#include "platform/native.h"

namespace platform {

std::string native::ProcessModuleFileName() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return path;
}

// The arguments joined as Windows would show them: one blank between arguments, an argument
// holding a blank or a tab (or none at all) in double quotes.
std::string native::ProcessCommandLine() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string line;
  size_t begin = 0;
  while (begin < raw.size()) {
    size_t end = raw.find('\0', begin);
    if (end == std::string::npos) end = raw.size();
    std::string argument = raw.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty()) line += ' ';
    bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    line += quote ? '"' + argument + '"' : argument;
  }
  return line;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

int StartupShowCommand() { return 10; }  // SW_SHOWDEFAULT: nobody asks for another state

// There is no shell to hand a document to.
void native::ShellOpen(WindowHandle, const std::string&, const std::string&, const std::string&,
                       const std::string&, int) {}

void AcceptDroppedFiles(WindowHandle, bool) {}

}  // namespace platform
