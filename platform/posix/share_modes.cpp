#include "platform/posix/share_modes.h"

#include <mutex>
#include <vector>

#include "platform/files.h"

namespace platform::posix {
namespace {

struct OpenFile {
  dev_t device;
  ino_t inode;
  int fd;
  uint32_t access;
  uint32_t share;
};

struct Table {
  std::mutex mutex;
  std::vector<OpenFile> files;
};

Table& Opens() {
  static Table table;
  return table;
}

// Windows' rule: each side must share what the other side asks for. An open without read or
// write access (attributes only) takes part in no sharing check.
bool Conflict(uint32_t access, uint32_t share, const OpenFile& held) {
  constexpr uint32_t kData = kGenericRead | kGenericWrite;
  if (!(access & kData) || !(held.access & kData)) return false;
  auto wants = [](uint32_t a, uint32_t generic) { return (a & generic) != 0; };
  return (wants(access, kGenericRead) && !(held.share & kShareRead)) ||
         (wants(access, kGenericWrite) && !(held.share & kShareWrite)) ||
         (wants(held.access, kGenericRead) && !(share & kShareRead)) ||
         (wants(held.access, kGenericWrite) && !(share & kShareWrite));
}

}  // namespace

bool RegisterOpen(dev_t device, ino_t inode, int fd, uint32_t access, uint32_t share) {
  Table& table = Opens();
  std::lock_guard lock(table.mutex);
  for (const OpenFile& held : table.files) {
    if (held.device == device && held.inode == inode && Conflict(access, share, held)) return false;
  }
  table.files.push_back({device, inode, fd, access, share});
  return true;
}

void UnregisterOpen(int fd) {
  Table& table = Opens();
  std::lock_guard lock(table.mutex);
  std::erase_if(table.files, [fd](const OpenFile& held) { return held.fd == fd; });
}

bool HeldOpen(dev_t device, ino_t inode) {
  Table& table = Opens();
  std::lock_guard lock(table.mutex);
  for (const OpenFile& held : table.files) {
    if (held.device == device && held.inode == inode &&
        (held.access & (kGenericRead | kGenericWrite)))
      return true;
  }
  return false;
}

}  // namespace platform::posix
