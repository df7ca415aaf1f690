// Which Linux file systems reach over the network.
#pragma once

#include <cstdint>
#include <string>

namespace platform::posix {

// From the magic number statfs gives a file system and, for FUSE, the type its mount names
// ("fuse.sshfs"): NFS, SMB (CIFS), AFS, Ceph, 9P, and the FUSE file systems of remote
// stores (sshfs, rclone, s3fs, gcsfuse, curlftpfs, ceph-fuse, glusterfs, smbnetfs).
bool IsNetworkFileSystem(int64_t magic, const std::string& mountType);

}  // namespace platform::posix
