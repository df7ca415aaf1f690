#include "platform/posix/volume_kind.h"

#include <algorithm>
#include <array>

namespace platform::posix {

bool IsNetworkFileSystem(int64_t magic, const std::string& mountType) {
  static constexpr std::array<int64_t, 10> kNetwork = {
      0x6969,      // NFS
      0xFF534D42,  // CIFS
      0xFE534D42,  // SMB2/3
      0x517B,      // SMB
      0x5346414F,  // AFS (OpenAFS)
      0x6B414653,  // AFS (kernel)
      0x00C36400,  // Ceph
      0x01021997,  // 9P
      0x47504653,  // GPFS
      0x73757245,  // Coda
  };
  if (std::find(kNetwork.begin(), kNetwork.end(), magic) != kNetwork.end()) return true;
  static constexpr std::array<const char*, 8> kFuseNetwork = {
      "fuse.sshfs",     "fuse.rclone",    "fuse.s3fs",      "fuse.gcsfuse",
      "fuse.curlftpfs", "fuse.ceph-fuse", "fuse.glusterfs", "fuse.smbnetfs"};
  return std::find(kFuseNetwork.begin(), kFuseNetwork.end(), mountType) != kFuseNetwork.end();
}

}  // namespace platform::posix
