// Reading a file's times back from the operating system, for checking what Update wrote.
#pragma once

#include <string>

#include "platform/files.h"

namespace testsupport {

struct FileTimes {
  platform::FileTime lastAccess, lastWrite;  // UTC
};
// Throws std::runtime_error when the times cannot be read.
FileTimes ReadFileTimes(const std::string& path);

}  // namespace testsupport
