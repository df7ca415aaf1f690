#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_tree.h"

namespace {

using platform::FileHandle;
using platform::FileTime;

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorSharingViolation = 32;

// The way the Update command opens a file row, and a folder row.
FileHandle OpenForWrite(const std::string& path) {
  return FileHandle::Open(path, platform::kGenericWrite, platform::kShareRead,
                          platform::kOpenExisting, platform::kFlagNormal);
}
FileHandle OpenFolder(const std::string& path) {
  return FileHandle::Open(path, platform::kGenericWrite, platform::kShareRead,
                          platform::kOpenExisting, platform::kFlagBackupSemantics);
}

TEST(FileHandle, SetsAndReadsBackTimesToTheTick) {
  testsupport::TempTree tree;
  tree.AddFile("a.txt", "abc");
  // Odd ticks everywhere: nothing may be rounded to seconds or microseconds.
  const FileTime access = {testsupport::UtcFileTime(2003, 7, 8, 1, 2, 3).ticks + 4567};
  const FileTime write = {testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4).ticks + 1234567};
  {
    FileHandle handle = OpenForWrite(tree.Path("a.txt"));
    ASSERT_TRUE(handle.Valid()) << handle.OpenError();
    EXPECT_TRUE(handle.SetTimes(&write, &access, &write));
    FileTime read;
    ASSERT_TRUE(handle.GetLastWriteTime(read));
    EXPECT_EQ(read, write);
  }
  EXPECT_EQ(tree.LastWriteTime("a.txt"), write);
  EXPECT_EQ(tree.LastAccessTime("a.txt"), access);
  EXPECT_EQ(tree.ReadFile("a.txt"), "abc");  // stamping leaves the contents alone
}

// File systems put a time they cannot hold at the edge of their range without a word (ext4
// keeps 1901-12-14 to 2446): setting succeeds exactly when the time stays as it was set, and
// a set that fails leaves the file's times as they were.
TEST(FileHandle, SucceedsInSettingTimesOnlyWhenTheyStayAsSet) {
#ifdef _WIN32
  GTEST_SKIP() << "under Wine, what the Linux file system keeps shows through; Windows' own "
                  "file systems keep every file time";
#endif
  testsupport::TempTree tree;
  // Access and write times apart, so that each must go back to its own place.
  FileTime kept = testsupport::UtcFileTime(2010, 1, 2, 3, 4, 6);
  FileTime keptAccess = testsupport::UtcFileTime(2011, 7, 8, 9, 10, 12);
  tree.AddFile("a.txt");
  tree.SetTimes("a.txt", kept, keptAccess);
  for (const FileTime time :
       {testsupport::UtcFileTime(1601, 1, 2), testsupport::UtcFileTime(2500, 1, 1),
        testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4)}) {
    FileHandle handle = OpenForWrite(tree.Path("a.txt"));
    if (handle.SetTimes(&time, &time, &time)) kept = keptAccess = time;
    EXPECT_EQ(tree.LastWriteTime("a.txt"), kept) << time.ticks;
    EXPECT_EQ(tree.LastAccessTime("a.txt"), keptAccess) << time.ticks;
  }
  EXPECT_EQ(kept, testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4));
  // A handle that truncated or wrote puts back the time of that change, not the one the file
  // had before it was opened.
  const FileTime late = testsupport::UtcFileTime(2500, 1, 1);
  for (const bool truncates : {true, false}) {
    tree.SetTimes("a.txt", kept);
    FileHandle handle = FileHandle::Open(
        tree.Path("a.txt"), platform::kGenericWrite, platform::kShareRead,
        truncates ? platform::kCreateAlways : platform::kOpenExisting, platform::kFlagNormal);
    uint32_t written = 0;
    ASSERT_TRUE(truncates || handle.Write("x", 1, written));
    FileTime changed{};
    ASSERT_TRUE(handle.GetTimes(nullptr, nullptr, &changed));
    EXPECT_FALSE(handle.SetTimes(&late, &late, &late));
    EXPECT_EQ(tree.LastWriteTime("a.txt"), changed) << truncates;
    EXPECT_NE(changed, kept) << truncates;
  }
}

TEST(FileHandle, LeavesATimeGivenAsNullAlone) {
  testsupport::TempTree tree;
  const FileTime before = testsupport::UtcFileTime(2010, 1, 2, 3, 4, 6);
  tree.AddFile("a.txt", "", before);
  const FileTime later = testsupport::UtcFileTime(2020, 2, 3, 4, 5, 6);
  {
    FileHandle handle = OpenForWrite(tree.Path("a.txt"));
    ASSERT_TRUE(handle.Valid()) << handle.OpenError();
    EXPECT_TRUE(handle.SetTimes(nullptr, nullptr, &later));
  }
  EXPECT_EQ(tree.LastWriteTime("a.txt"), later);
  EXPECT_EQ(tree.LastAccessTime("a.txt"), before);
  {
    FileHandle handle = OpenForWrite(tree.Path("a.txt"));
    EXPECT_TRUE(handle.SetTimes(nullptr, &later, nullptr));
  }
  EXPECT_EQ(tree.LastAccessTime("a.txt"), later);
}

TEST(FileHandle, ReportsWhyAnOpenFailed) {
  testsupport::TempTree tree;
  tree.AddFile("a.txt");
  struct Case {
    const char* relative;
    uint32_t error;
  };
  const Case cases[] = {
      {"missing.txt", kErrorFileNotFound},
      {"nowhere/missing.txt", kErrorPathNotFound},
      {"a.txt/below", kErrorPathNotFound},
  };
  for (const Case& c : cases) {
    FileHandle handle = OpenForWrite(tree.Path(c.relative));
    EXPECT_FALSE(handle.Valid()) << c.relative;
    EXPECT_EQ(handle.OpenError(), c.error) << c.relative;
  }
}

TEST(FileHandle, AnInvalidHandleFailsEveryCall) {
  testsupport::TempTree tree;
  FileHandle failed = OpenForWrite(tree.Path("missing.txt"));
  FileHandle empty;
  for (FileHandle* handle : {&failed, &empty}) {
    const FileTime when = testsupport::UtcFileTime(2001, 1, 1);
    FileTime read;
    char buffer[4];
    uint32_t count = 99;
    EXPECT_FALSE(handle->Valid());
    EXPECT_FALSE(handle->SetTimes(&when, &when, &when));
    EXPECT_FALSE(handle->GetLastWriteTime(read));
    EXPECT_FALSE(handle->Read(buffer, sizeof buffer, count));
    EXPECT_EQ(count, 0u);
  }
}

TEST(FileHandle, AReadOnlyFileRefusesWriteAccess) {
  testsupport::TempTree tree;
  const FileTime before = testsupport::UtcFileTime(2005, 5, 5, 5, 5, 4);
  tree.AddFile("locked.txt", "keep", before);
  tree.SetReadOnly("locked.txt", true);
  FileHandle handle = OpenForWrite(tree.Path("locked.txt"));
#ifdef _WIN32
  if (handle.Valid())
    GTEST_SKIP() << "Wine running as root opens read-only files for writing: it leaves the "
                    "permission check to Unix, and root passes it";
#endif
  EXPECT_FALSE(handle.Valid());
  EXPECT_EQ(handle.OpenError(), kErrorAccessDenied);
  FileHandle created = FileHandle::Open(tree.Path("locked.txt"), platform::kGenericWrite, 0,
                                        platform::kCreateAlways, platform::kFlagNormal);
  EXPECT_FALSE(created.Valid());
  EXPECT_EQ(tree.ReadFile("locked.txt"), "keep");
  EXPECT_EQ(tree.LastWriteTime("locked.txt"), before);
}

TEST(FileHandle, OpensAFolderOnlyWithBackupSemantics) {
  testsupport::TempTree tree;
  tree.AddFolder("sub");
  FileHandle plain = OpenForWrite(tree.Path("sub"));
  EXPECT_FALSE(plain.Valid());
  EXPECT_EQ(plain.OpenError(), kErrorAccessDenied);

  const FileTime when = testsupport::UtcFileTime(1999, 1, 2, 3, 4, 5, 6);
  {
    FileHandle folder = OpenFolder(tree.Path("sub"));
    ASSERT_TRUE(folder.Valid()) << folder.OpenError();
    EXPECT_TRUE(folder.SetTimes(&when, &when, &when));
    FileTime read;
    ASSERT_TRUE(folder.GetLastWriteTime(read));
    EXPECT_EQ(read, when);
  }
  EXPECT_EQ(tree.LastWriteTime("sub"), when);
}

TEST(FileHandle, BackupSemanticsOpenFilesToo) {
  testsupport::TempTree tree;
  tree.AddFile("a.txt");
  FileHandle handle = OpenFolder(tree.Path("a.txt"));
  EXPECT_TRUE(handle.Valid()) << handle.OpenError();
}

TEST(FileHandle, RefusesAnOpenThatConflictsWithTheShareModeOfAnother) {
  testsupport::TempTree tree;
  const std::string path = tree.AddFile("a.txt");
  auto open = [&](uint32_t access, uint32_t share) {
    return FileHandle::Open(path, access, share, platform::kOpenExisting, platform::kFlagNormal);
  };
  const uint32_t kBoth = platform::kShareRead | platform::kShareWrite;
  {
    FileHandle writer = open(platform::kGenericWrite, platform::kShareRead);
    ASSERT_TRUE(writer.Valid());
    // A second writer: the first shares reading only.
    FileHandle second = open(platform::kGenericWrite, platform::kShareRead);
    EXPECT_FALSE(second.Valid());
    EXPECT_EQ(second.OpenError(), kErrorSharingViolation);
    // A reader that will not share writing conflicts with the writer already there.
    FileHandle reader = open(platform::kGenericRead, platform::kShareRead);
    EXPECT_EQ(reader.OpenError(), kErrorSharingViolation);
    FileHandle tolerant = open(platform::kGenericRead, kBoth);
    EXPECT_TRUE(tolerant.Valid()) << tolerant.OpenError();
  }
  FileHandle exclusive = open(platform::kGenericWrite, 0);  // everything above was closed
  EXPECT_TRUE(exclusive.Valid()) << exclusive.OpenError();
  FileHandle blocked = open(platform::kGenericRead, kBoth);
  EXPECT_EQ(blocked.OpenError(), kErrorSharingViolation);
}

TEST(FileHandle, WritesReadsSeeksAndTruncates) {
  testsupport::TempTree tree;
  const std::string path = tree.AddFile("list.txt", "old contents, longer than the new");
  {
    FileHandle out = FileHandle::Open(path, platform::kGenericWrite, 0, platform::kCreateAlways,
                                      platform::kFlagNormal);
    ASSERT_TRUE(out.Valid()) << out.OpenError();
    uint32_t written = 0;
    EXPECT_TRUE(out.Write("\"a\",\"b\"\r\n", 9, written));
    EXPECT_EQ(written, 9u);
  }
  EXPECT_EQ(tree.ReadFile("list.txt"), "\"a\",\"b\"\r\n");

  FileHandle in = FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                   platform::kOpenExisting, platform::kFlagNormal);
  ASSERT_TRUE(in.Valid());
  char buffer[32];
  uint32_t read = 0;
  EXPECT_TRUE(in.Read(buffer, sizeof buffer, read));
  EXPECT_EQ(std::string(buffer, read), "\"a\",\"b\"\r\n");
  EXPECT_TRUE(in.Read(buffer, sizeof buffer, read));
  EXPECT_EQ(read, 0u);  // the end of the file
  EXPECT_TRUE(in.Seek(4));
  EXPECT_TRUE(in.Read(buffer, sizeof buffer, read));
  EXPECT_EQ(std::string(buffer, read), "\"b\"\r\n");
  uint32_t written = 0;
  EXPECT_FALSE(in.Write("x", 1, written));  // opened for reading only

  FileHandle created = FileHandle::Open(tree.Path("new.txt"), platform::kGenericWrite, 0,
                                        platform::kCreateAlways, platform::kFlagNormal);
  EXPECT_TRUE(created.Valid()) << created.OpenError();
  EXPECT_TRUE(tree.Exists("new.txt"));
}

TEST(FileHandle, MovingHandsTheOpenOverAndClosesOnce) {
  testsupport::TempTree tree;
  const std::string path = tree.AddFile("a.txt");
  auto exclusive = [&] {
    return FileHandle::Open(path, platform::kGenericWrite, 0, platform::kOpenExisting,
                            platform::kFlagNormal);
  };
  {
    FileHandle first = exclusive();
    ASSERT_TRUE(first.Valid());
    FileHandle second(std::move(first));
    EXPECT_FALSE(first.Valid());
    EXPECT_TRUE(second.Valid());
    FileHandle third;
    third = std::move(second);
    EXPECT_TRUE(third.Valid());
    EXPECT_FALSE(exclusive().Valid());  // still held
  }
  EXPECT_TRUE(exclusive().Valid());  // released when the last owner went
}

}  // namespace

TEST(MoveFileReplacing, ReplacesAFileButNotWhatWindowsProtects) {
  testsupport::TempTree tree;
  tree.AddFile("old.txt", "old");
  tree.AddFile("held.txt", "held");
  tree.AddFile("locked.txt", "locked");
  tree.SetReadOnly("locked.txt", true);
  tree.AddFolder("folder");
  const bool readOnlyHolds = !OpenForWrite(tree.Path("locked.txt")).Valid();
  const FileHandle reader =
      FileHandle::Open(tree.Path("held.txt"), platform::kGenericRead, platform::kShareRead,
                       platform::kOpenExisting, platform::kFlagNormal);
  struct Case {
    const char* to;
    uint32_t error;  // 0: moved
  };
  const Case cases[] = {
      {"old.txt", 0},
      {"fresh.txt", 0},
      {"held.txt", kErrorAccessDenied},
      {"locked.txt", kErrorAccessDenied},
      {"folder", kErrorAccessDenied},
      {"nowhere/x.txt", kErrorPathNotFound},
  };
  for (const Case& c : cases) {
    if (c.to == std::string("locked.txt") && !readOnlyHolds) continue;  // root under Wine
    const std::string from = tree.AddFile("new.txt", "new");
    uint32_t error = 0;
    const bool moved = platform::MoveFileReplacing(from, tree.Path(c.to), error);
    uint32_t result = moved ? 0 : error;
#ifdef _WIN32
    // Windows refuses to replace a read-only file; Wine replaces it.
    if (moved && c.to == std::string("locked.txt")) result = kErrorAccessDenied;
#endif
    EXPECT_EQ(result, c.error) << c.to;
    if (moved) {
      EXPECT_EQ(tree.ReadFile(c.to), "new") << c.to;
      EXPECT_FALSE(tree.Exists("new.txt")) << c.to;
    } else {
      EXPECT_TRUE(platform::RemoveFile(from)) << c.to;
    }
  }
  EXPECT_EQ(tree.ReadFile("held.txt"), "held");
  uint32_t error = 0;
  EXPECT_FALSE(platform::MoveFileReplacing(tree.Path("new.txt"), tree.Path("x.txt"), error));
  EXPECT_EQ(error, kErrorFileNotFound);
}
