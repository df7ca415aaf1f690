// A scratch folder tree for tests, on both builds.
//
//   testsupport::TempTree tree;                      // a new, empty folder under the temp folder
//   std::string dir = tree.AddFolder("a/b");         // creates a, then a/b; returns the full path
//   std::string f = tree.AddFile("a/x.txt", "data",  // creates the file with these bytes and
//                                testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4));  // this time
//   tree.SetReadOnly("a/x.txt", true);
//   // ... the tree and everything in it are removed when `tree` goes, read-only files included.
//
// Relative names separate their levels with '/', which becomes platform::kPathDelimiter, so the
// same test names the same files on both builds. Names are UTF-8, as everywhere in the
// program. The fixture calls the operating system directly (the wide calls on Windows), so it
// does not depend on the platform layer that tests check. Every failure throws
// std::runtime_error.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"

namespace testsupport {

// The file time of a UTC calendar date and time (1601 to 30827; not validated).
platform::FileTime UtcFileTime(int year, int month, int day, int hour = 0, int minute = 0,
                               int second = 0, int milliseconds = 0);

class TempTree {
 public:
  TempTree();   // creates a folder with a unique name under the system's temp folder
  ~TempTree();  // removes it and everything beneath it
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The full path of the tree's folder, without a trailing delimiter.
  const std::string& Root() const { return root_; }
  // Root + delimiter + relative (with '/' turned into the delimiter); Root() for "".
  std::string Path(const std::string& relative) const;

  // Creates a folder and any missing folders above it; returns its full path.
  std::string AddFolder(const std::string& relative);
  // Creates (or overwrites) a file holding `contents`, with its folders; returns its full
  // path. With `lastWrite` its last-write and last-access times are set to it.
  std::string AddFile(const std::string& relative, const std::string& contents = {},
                      std::optional<platform::FileTime> lastWrite = std::nullopt);

  // Sets the last-write and last-access times of a file or folder (UTC).
  void SetTimes(const std::string& relative, platform::FileTime utc);
  void SetTimes(const std::string& relative, platform::FileTime lastWrite,
                platform::FileTime lastAccess);
  // Read-only attribute on Windows; all write permission bits removed (or restored) elsewhere,
  // where a read-only folder also refuses new and removed entries (unless run as root).
  void SetReadOnly(const std::string& relative, bool readOnly);
  // Removes one file or one empty folder.
  void Remove(const std::string& relative);

  bool Exists(const std::string& relative) const;
  std::string ReadFile(const std::string& relative) const;
  // The last-write time (UTC) of a file or folder as the operating system reports it.
  platform::FileTime LastWriteTime(const std::string& relative) const;
  platform::FileTime LastAccessTime(const std::string& relative) const;

  // A file or a folder (its own folder must exist), with its last-write time.
  void AddUtf8(const std::string& relative, bool folder, const std::string& contents,
               platform::FileTime lastWrite);
  platform::FileTime Utf8LastWriteTime(const std::string& relative) const;

 private:
  std::string root_;
};

}  // namespace testsupport
