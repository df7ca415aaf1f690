// The share modes of the files this process holds open, so that an open that Windows would
// refuse with a sharing violation is refused here too. Linux has no such check of its own;
// opens by other processes are not seen.
#pragma once

#include <sys/types.h>

#include <cstdint>

namespace platform::posix {

// Registers an open of the file (device, inode) under `fd`, with CreateFileA's access and
// share arguments; false, registering nothing, when it conflicts with an open already held.
bool RegisterOpen(dev_t device, ino_t inode, int fd, uint32_t access, uint32_t share);
void UnregisterOpen(int fd);
// Whether this process holds the file open with read or write access.
bool HeldOpen(dev_t device, ino_t inode);

}  // namespace platform::posix
