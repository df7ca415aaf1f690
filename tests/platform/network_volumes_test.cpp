// Which paths lie on network volumes, where stamping takes more threads.
#include <gtest/gtest.h>

#include "platform/network_volumes.h"
#include "support/temp_tree.h"
#ifndef _WIN32
#include "platform/posix/volume_kind.h"
#endif

namespace {

TEST(NetworkVolumes, HoldSharesAndNotTheLocalDisk) {
  testsupport::TempTree tree;
  tree.AddFile("a.txt");
  platform::NetworkVolumes volumes;
  EXPECT_FALSE(volumes.Holds(tree.Path("a.txt")));
  EXPECT_FALSE(volumes.Holds(tree.Path("missing.txt")));
#ifdef _WIN32
  // Named, not reached: a UNC path is a share whatever answers at it.
  for (const char* path :
       {"\\\\server\\share\\a.txt", "\\\\?\\UNC\\server\\share\\a.txt", "//server/share/a.txt"}) {
    EXPECT_TRUE(volumes.Holds(path)) << path;
  }
  EXPECT_FALSE(volumes.Holds("\\\\?\\" + tree.Path("a.txt")));
#endif
}

#ifndef _WIN32
TEST(NetworkFileSystem, IsToldByItsMagicNumberOrItsFuseType) {
  const struct {
    int64_t magic;
    const char* type;
    bool network;
  } cases[] = {
      {0xEF53, "", false},               // ext4
      {0x01021994, "", false},           // tmpfs
      {0x6969, "", true},                // NFS
      {0xFF534D42, "", true},            // CIFS
      {0xFE534D42, "", true},            // SMB2
      {0x65735546, "fuse.sshfs", true},  // FUSE: sshfs
      {0x65735546, "fuse.rclone", true},
      {0x65735546, "fuse.ntfs-3g", false},  // FUSE on a local disk
      {0x65735546, "fuseblk", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::posix::IsNetworkFileSystem(c.magic, c.type), c.network)
        << std::hex << c.magic << " " << c.type;
  }
}
#endif

}  // namespace
