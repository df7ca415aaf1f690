// A drop handle of the posix platform: the paths of one drop.
#pragma once

#include <string>
#include <vector>

namespace platform::posix {

struct Drop {
  std::vector<std::string> paths;
};

}  // namespace platform::posix
