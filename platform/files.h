// File attributes, directory search, file handles and file times.
// Every path and name is UTF-8 (on Windows the generalised form that carries a lone surrogate,
// platform/utf.h). On Windows the calls are the wide ones, given the path in its wide form
// (with the "\\?\" prefix once it is 260 UTF-16 units or more), and every name comes back as
// itself, never as its short (8.3) name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The separator between a folder and the names in it: '\\' on Windows, '/' elsewhere.
extern const char kPathDelimiter;

constexpr uint32_t kInvalidAttributes = 0xFFFFFFFFu;  // what GetFileAttributesW gives on failure
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;
constexpr uint32_t kAttrNormal = 0x80;
constexpr uint32_t kAttrReparsePoint = 0x400;  // a folder link (junction, symbolic link)

// 100-nanosecond ticks since 1601-01-01 00:00, in UTC or in local time as the name says.
struct FileTime {
  uint64_t ticks = 0;
  friend bool operator==(const FileTime&, const FileTime&) = default;
};

// GetFileAttributesW: the attribute word, or kInvalidAttributes.
uint32_t ReadAttributes(const std::string& path);

struct FoundEntry {
  std::string name;  // the name alone, without its folder
  uint32_t attributes = 0;
  FileTime lastWrite;  // UTC
  // UTC. Linux: the birth time where the file system keeps one, else the last-write time.
  FileTime creation;
  FileTime lastAccess;
};

// FindFirstFileW / FindNextFileW / FindClose over one pattern such as "C:\dir\*.*".
// The handle is closed when the object goes, on every way out.
class DirectorySearch {
 public:
  explicit DirectorySearch(const std::string& pattern);
  ~DirectorySearch();
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  bool Started() const;  // false when the search could not start
  // Why it could not start, as a Win32 error code: 2 when nothing matched the pattern, 3 for
  // a folder that is missing or whose path is too long, 5 for one that may not be read. Once
  // Next has given false: 0 at the end of the entries, else why the search broke off.
  uint32_t Error() const;
  // The next entry ("." and ".." included); false at the end and when the search fails.
  bool Next(FoundEntry& entry);

 private:
  struct Impl;
  Impl* impl_;
};

// FindFirstFileW on one path followed by FindClose at once. False when nothing is found.
bool FindOne(const std::string& path, FoundEntry& entry);

// CreateFileW arguments, with their Win32 values.
constexpr uint32_t kGenericRead = 0x80000000u;
constexpr uint32_t kGenericWrite = 0x40000000u;
// FILE_READ_ATTRIBUTES: the times may be read; it takes part in no sharing check.
constexpr uint32_t kReadAttributes = 0x80;
constexpr uint32_t kShareRead = 1;
constexpr uint32_t kShareWrite = 2;
constexpr uint32_t kCreateNew = 1;  // fails with ERROR_FILE_EXISTS (80) when the file exists
constexpr uint32_t kCreateAlways = 2;
constexpr uint32_t kOpenExisting = 3;
constexpr uint32_t kFlagNormal = 0x80;                  // FILE_ATTRIBUTE_NORMAL
constexpr uint32_t kFlagBackupSemantics = 0x02000000u;  // lets a folder be opened
// Opens a link itself rather than what it leads to (FILE_FLAG_OPEN_REPARSE_POINT).
constexpr uint32_t kFlagOpenReparsePoint = 0x00200000u;

// An open file or folder (CreateFileW); closed with CloseHandle when the object goes.
class FileHandle {
 public:
  FileHandle() = default;
  static FileHandle Open(const std::string& path, uint32_t access, uint32_t share,
                         uint32_t creation, uint32_t flags);
  ~FileHandle();
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&& other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool Valid() const;
  uint32_t OpenError() const { return openError_; }  // Win32 error code of a failed open

  bool GetLastWriteTime(FileTime& utc) const;  // GetFileTime
  // GetFileTime: creation, last access and last write, to the tick; a null pointer skips
  // that time. Linux sets no creation time: it reads as the birth time where the file system
  // keeps one, else as the last-write time, as under Wine.
  bool GetTimes(FileTime* creation, FileTime* lastAccess, FileTime* lastWrite);
  // SetFileTime: creation, last access and last write; a null pointer leaves that time alone.
  // On an invalid handle it fails, as the Win32 call does.
  bool SetTimes(const FileTime* creation, const FileTime* lastAccess, const FileTime* lastWrite);
  bool Read(void* buffer, uint32_t size, uint32_t& read);
  // SetFilePointerEx from the start: the next read begins `offset` bytes into the file.
  bool Seek(uint64_t offset);
  // GetFileSizeEx: the size of the file in bytes.
  bool Size(uint64_t& size);
  bool Write(const void* buffer, uint32_t size, uint32_t& written);
  bool Flush();  // FlushFileBuffers: what was written is on the disk when it returns
  uint32_t LastError() const { return lastError_; }  // Win32 error code of the last failed call

 private:
  intptr_t native_ = -1;
  uint32_t openError_ = 0;
  uint32_t lastError_ = 0;
  // Linux: the last-access and last-write times (seconds, nanoseconds) the file had when it
  // was opened, read with the open; a time set that the file system does not keep puts them
  // back without another look. Forgotten once the handle writes.
  struct OpenedTimes {
    int64_t access[2] = {0, 0};
    int64_t write[2] = {0, 0};
    bool known = false;
  } opened_;
};

// MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH): the file `from`
// takes the place of `to`, which it replaces when it exists; the move is on the disk when it
// returns. A folder, a read-only file or a file that is open cannot be replaced. False, with
// the Win32 error code in `error`, when it fails.
bool MoveFileReplacing(const std::string& from, const std::string& to, uint32_t& error);
// DeleteFileW: false when the file cannot be removed.
bool RemoveFile(const std::string& path);

// The full path of a path relative to the working folder, as GetFullPathName gives it (on
// Linux the real path of its folder, then its last name). False when it cannot be made.
bool FullPathName(const std::string& path, std::string& full);

// A number that every spelling of a path which the file system takes for the same name
// shares, made from its canonical form: the full path, without "." and "..", on Windows with
// '/' read as '\', the dots and blanks that end a name dropped and short (8.3) names made
// long where the path exists (GetLongPathNameW); on Linux resolved by realpath where it
// exists. Names compare without regard to case on Windows (upper-cased as Unicode); the posix
// build folds ASCII letters alike, so that both builds group paths the same way. Two hard
// links of one file keep two numbers. Different names may share a number too.
uint64_t PathNameHash(const std::string& path);

// Which folder a path leads to: the same for every path that reaches it, through links too.
struct FolderId {
  uint64_t volume = 0;
  uint64_t index = 0;
  friend bool operator==(const FolderId&, const FolderId&) = default;
};
// False when the folder cannot be opened or its identity read.
bool ReadFolderId(const std::string& path, FolderId& id);

}  // namespace platform
