#include "platform/process.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

#include "platform/native.h"
#include "platform/posix/file_info.h"

namespace platform {

std::string native::ProcessModuleFileName() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return path;
}

// The arguments joined as Windows would show them: one blank between arguments, an argument
// holding a blank or a tab (or none at all) in double quotes.
std::string native::ProcessCommandLine(std::vector<std::string>& unnamable) {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string line;
  size_t begin = 0;
  while (begin < raw.size()) {
    size_t end = raw.find('\0', begin);
    if (end == std::string::npos) end = raw.size();
    std::string argument = raw.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty() && !posix::ToCodePage(argument)) {
      unnamable.push_back(std::move(argument));
      continue;
    }
    if (!line.empty()) line += ' ';
    bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    line += quote ? '"' + argument + '"' : argument;
  }
  return line;
}

std::vector<ProgramArgument> ProgramArguments(int argc, char** argv) {
  std::vector<ProgramArgument> arguments;
  for (int i = 1; i < argc; ++i) {
    ProgramArgument argument{argv[i]};
    argument.named = posix::ToCodePage(argument.text);
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

int StartupShowCommand() { return 10; }  // SW_SHOWDEFAULT: nobody asks for another state

// There is no shell to hand a document to.
void native::ShellOpen(WindowHandle, const std::string&, const std::string&, const std::string&,
                       const std::string&, int) {}

void AcceptDroppedFiles(WindowHandle, bool) {}

}  // namespace platform
