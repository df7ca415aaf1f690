#include "support/temp_tree.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include "platform/utf.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testsupport {
namespace {

constexpr uint64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSecondsFrom1601To1970 = 11'644'473'600;

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw std::runtime_error("TempTree: " + what + " failed: " + path);
}

// Days from 1601-01-01 to the date, proleptic Gregorian.
int64_t DaysFrom1601(int year, int month, int day) {
  static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int64_t y = year - 1601;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return y * 365 + y / 4 - y / 100 + y / 400 + kBefore[month - 1] + (leap && month > 2) + day - 1;
}

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

#ifdef _WIN32

// Paths are UTF-8, as everywhere in the program; the fixture makes the wide calls, with the
// prefix that lifts the length limit, so that a tree may be deeper than MAX_PATH.
// A lone surrogate, which NTFS allows in names, is carried as the program carries it.
std::wstring Wide(const std::string& text) {
  const std::u16string wide = platform::Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::wstring Long(const std::string& path) {
  std::wstring wide = L"\\\\?\\" + Wide(path);
  for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  return platform::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) Fail("GetTempPathW", "");
  std::string path = Narrow(std::wstring(buffer, length));
  if (path.back() == '\\') path.pop_back();
  return path;
}

unsigned long ProcessId() { return GetCurrentProcessId(); }

File OpenFile(const std::string& path, const wchar_t* mode) {
  return File(_wfopen(Long(path).c_str(), mode));
}

bool PathExists(const std::string& path) {
  return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeFolder(const std::string& path) {
  if (CreateDirectoryW(Long(path).c_str(), nullptr)) return true;
  DWORD attributes = GetFileAttributesW(Long(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetTimesOf(const std::string& path, uint64_t ticks, uint64_t accessTicks) {
  HANDLE handle = CreateFileW(Long(path).c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) Fail("opening for times", path);
  FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME access{static_cast<DWORD>(accessTicks), static_cast<DWORD>(accessTicks >> 32)};
  BOOL ok = SetFileTime(handle, nullptr, &access, &time);
  CloseHandle(handle);
  if (!ok) Fail("SetFileTime", path);
}

void SetReadOnlyOf(const std::string& path, bool readOnly) {
  DWORD attributes = GetFileAttributesW(Long(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) Fail("GetFileAttributesW", path);
  attributes = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                        : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  if (!SetFileAttributesW(Long(path).c_str(), attributes)) Fail("SetFileAttributesW", path);
}

bool RemoveOneWide(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  SetFileAttributesW(path.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(path.c_str())
                                                 : DeleteFileW(path.c_str());
}

bool RemoveOne(const std::string& path) { return RemoveOneWide(Long(path)); }

// Best effort: whatever cannot be removed stays behind rather than failing a destructor.
void RemoveTreeWide(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring child = path + L"\\" + name;
      bool descend = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                     !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
      if (descend)
        RemoveTreeWide(child);
      else
        RemoveOneWide(child);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveOneWide(path);
}

void RemoveTree(const std::string& path) { RemoveTreeWide(Long(path)); }

// The last-write time, or with `access` the last-access time.
uint64_t TimeOf(const std::string& path, bool access) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Long(path).c_str(), GetFileExInfoStandard, &data))
    Fail("GetFileAttributesExW", path);
  const FILETIME& time = access ? data.ftLastAccessTime : data.ftLastWriteTime;
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

#else

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string path = tmp && *tmp ? tmp : "/tmp";
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

bool PathExists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

bool MakeFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0) return true;
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void SetTimesOf(const std::string& path, uint64_t ticks, uint64_t accessTicks) {
  timespec times[2];
  for (int i : {0, 1}) {
    const uint64_t t = i == 0 ? accessTicks : ticks;
    times[i].tv_sec = static_cast<int64_t>(t / kTicksPerSecond) - kSecondsFrom1601To1970;
    times[i].tv_nsec = static_cast<long>(t % kTicksPerSecond) * 100;
  }
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) Fail("utimensat", path);
}

void SetReadOnlyOf(const std::string& path, bool readOnly) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) Fail("stat", path);
  mode_t mode = st.st_mode & 07777;
  mode = readOnly ? mode & ~static_cast<mode_t>(0222) : mode | 0200;
  if (chmod(path.c_str(), mode) != 0) Fail("chmod", path);
}

bool RemoveOne(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return false;
  return (S_ISDIR(st.st_mode) ? rmdir(path.c_str()) : unlink(path.c_str())) == 0;
}

// Best effort: whatever cannot be removed stays behind rather than failing a destructor.
// Links are removed, never followed.
File OpenFile(const std::string& path, const wchar_t* mode) {
  return File(std::fopen(path.c_str(), mode[0] == L'w' ? "wb" : "rb"));
}

void RemoveTree(const std::string& path) {
  chmod(path.c_str(), 0700);
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      std::string child = path + "/" + name;
      struct stat st;
      if (lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        RemoveTree(child);
      else
        unlink(child.c_str());
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}

// The last-write time, or with `access` the last-access time.
uint64_t TimeOf(const std::string& path, bool access) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) Fail("stat", path);
  const timespec& time = access ? st.st_atim : st.st_mtim;
  return static_cast<uint64_t>(time.tv_sec + kSecondsFrom1601To1970) * kTicksPerSecond +
         static_cast<uint64_t>(time.tv_nsec) / 100;
}

#endif

}  // namespace

platform::FileTime UtcFileTime(int year, int month, int day, int hour, int minute, int second,
                               int milliseconds) {
  int64_t seconds = DaysFrom1601(year, month, day) * 86'400 + hour * 3'600 + minute * 60 + second;
  return {static_cast<uint64_t>(seconds) * kTicksPerSecond +
          static_cast<uint64_t>(milliseconds) * 10'000};
}

TempTree::TempTree() {
  static int counter = 0;
  const std::string base =
      TempFolder() + platform::kPathDelimiter + "horodex-test-" + std::to_string(ProcessId()) + "-";
  const long stamp = static_cast<long>(std::time(nullptr) % 1'000'000);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = base + std::to_string(stamp) + "-" + std::to_string(++counter);
    if (PathExists(candidate)) continue;
    if (!MakeFolder(candidate)) Fail("creating the folder", candidate);
    root_ = candidate;
    return;
  }
  Fail("finding a free name", base);
}

TempTree::~TempTree() { RemoveTree(root_); }

std::string TempTree::Path(const std::string& relative) const {
  if (relative.empty()) return root_;
  std::string path = root_ + platform::kPathDelimiter;
  for (char c : relative) path += c == '/' ? platform::kPathDelimiter : c;
  return path;
}

std::string TempTree::AddFolder(const std::string& relative) {
  for (size_t slash = relative.find('/'); slash != std::string::npos;
       slash = relative.find('/', slash + 1)) {
    if (slash > 0 && !MakeFolder(Path(relative.substr(0, slash))))
      Fail("creating the folder", Path(relative.substr(0, slash)));
  }
  std::string path = Path(relative);
  if (!MakeFolder(path)) Fail("creating the folder", path);
  return path;
}

std::string TempTree::AddFile(const std::string& relative, const std::string& contents,
                              std::optional<platform::FileTime> lastWrite) {
  size_t slash = relative.rfind('/');
  if (slash != std::string::npos && slash > 0) AddFolder(relative.substr(0, slash));
  std::string path = Path(relative);
  {
    File file = OpenFile(path, L"wb");
    if (!file) Fail("creating the file", path);
    if (!contents.empty() &&
        std::fwrite(contents.data(), 1, contents.size(), file.get()) != contents.size())
      Fail("writing the file", path);
  }
  if (lastWrite) SetTimes(relative, *lastWrite);
  return path;
}

void TempTree::SetTimes(const std::string& relative, platform::FileTime utc) {
  SetTimesOf(Path(relative), utc.ticks, utc.ticks);
}

void TempTree::SetTimes(const std::string& relative, platform::FileTime lastWrite,
                        platform::FileTime lastAccess) {
  SetTimesOf(Path(relative), lastWrite.ticks, lastAccess.ticks);
}

void TempTree::SetReadOnly(const std::string& relative, bool readOnly) {
  SetReadOnlyOf(Path(relative), readOnly);
}

void TempTree::Remove(const std::string& relative) {
  if (!RemoveOne(Path(relative))) Fail("removing", Path(relative));
}

bool TempTree::Exists(const std::string& relative) const { return PathExists(Path(relative)); }

std::string TempTree::ReadFile(const std::string& relative) const {
  std::string path = Path(relative);
  File file = OpenFile(path, L"rb");
  if (!file) Fail("opening the file", path);
  std::string contents;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, file.get())) contents.append(buffer, n);
  return contents;
}

platform::FileTime TempTree::LastWriteTime(const std::string& relative) const {
  return {TimeOf(Path(relative), false)};
}

void TempTree::AddUtf8(const std::string& relative, bool folder, const std::string& contents,
                       platform::FileTime lastWrite) {
  if (folder) {
    if (!MakeFolder(Path(relative))) Fail("creating the folder", Path(relative));
    SetTimes(relative, lastWrite);
  } else {
    AddFile(relative, contents, lastWrite);
  }
}

platform::FileTime TempTree::Utf8LastWriteTime(const std::string& relative) const {
  return LastWriteTime(relative);
}

platform::FileTime TempTree::LastAccessTime(const std::string& relative) const {
  return {TimeOf(Path(relative), true)};
}

}  // namespace testsupport
