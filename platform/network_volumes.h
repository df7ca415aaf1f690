// Which paths lie on network volumes.
#pragma once

#include <memory>
#include <string>

namespace platform {

// Whether paths lie on network volumes, where each open waits for a server: on Windows a
// UNC path or a drive whose type is remote; on Linux NFS, SMB (CIFS), AFS, Ceph, 9P and FUSE
// file systems that reach over the network (sshfs, rclone...). Each volume is asked once.
class NetworkVolumes {
 public:
  NetworkVolumes();
  ~NetworkVolumes();
  NetworkVolumes(const NetworkVolumes&) = delete;
  NetworkVolumes& operator=(const NetworkVolumes&) = delete;

  // False also for a path that cannot be reached.
  bool Holds(const std::string& path);

 private:
  struct Known;
  std::unique_ptr<Known> known_;
};

}  // namespace platform
