#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/network_volumes.h"
#include "platform/posix/volume_kind.h"

namespace platform {
namespace {

constexpr int64_t kFuseMagic = 0x65735546;

// The type that /proc/self/mountinfo gives the mount of a device ("fuse.sshfs"); empty when
// it names none.
std::string MountType(dev_t device) {
  std::ifstream mounts("/proc/self/mountinfo");
  const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
  std::string line;
  while (std::getline(mounts, line)) {
    // id parent major:minor root point options [optional fields...] - type source options
    std::istringstream fields(line);
    std::string id, parent, numbers;
    if (!(fields >> id >> parent >> numbers) || numbers != wanted) continue;
    const size_t dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    std::istringstream rest(line.substr(dash + 3));
    std::string type;
    rest >> type;
    return type;
  }
  return {};
}

}  // namespace

struct NetworkVolumes::Known {
  std::map<dev_t, bool> devices;
};

NetworkVolumes::NetworkVolumes() : known_(std::make_unique<Known>()) {}
NetworkVolumes::~NetworkVolumes() = default;

bool NetworkVolumes::Holds(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return false;
  auto [at, added] = known_->devices.try_emplace(info.st_dev, false);
  if (!added) return at->second;
  struct statfs volume;
  if (statfs(path.c_str(), &volume) != 0) return false;
  const int64_t magic = static_cast<int64_t>(volume.f_type);
  at->second = posix::IsNetworkFileSystem(magic, magic == kFuseMagic ? MountType(info.st_dev) : "");
  return at->second;
}

}  // namespace platform
