#include <gtest/gtest.h>

#include <map>

#include "platform/files.h"
#include "support/temp_tree.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

using platform::FoundEntry;

std::vector<FoundEntry> ListAll(const std::string& folder) {
  platform::DirectorySearch search(folder + platform::kPathDelimiter + "*.*");
  std::vector<FoundEntry> entries;
  for (FoundEntry entry; search.Next(entry);) entries.push_back(entry);
  return entries;
}

TEST(DirectorySearch, ListsEveryEntryWithItsAttributesAndTime) {
  testsupport::TempTree tree;
  const platform::FileTime when = testsupport::UtcFileTime(2001, 5, 6, 9, 5, 4, 321);
  tree.AddFile("b.txt", "b", when);
  tree.AddFile(".hidden", "");
  tree.AddFile("sub/inner.txt", "");
  tree.AddFile("日本語.txt", "");

  std::map<std::string, FoundEntry> found;
  for (const FoundEntry& entry : ListAll(tree.Root())) found[entry.name] = entry;

  ASSERT_EQ(found.size(), 6u);  // ".", "..", four names; nothing from beneath "sub"
  for (const char* folder : {".", "..", "sub"}) {
    ASSERT_TRUE(found.count(folder)) << folder;
    EXPECT_TRUE(found[folder].attributes & platform::kAttrDirectory) << folder;
    EXPECT_FALSE(found[folder].attributes & platform::kAttrHidden) << folder;
  }
  for (const char* file : {"b.txt", ".hidden", "日本語.txt"}) {
    ASSERT_TRUE(found.count(file)) << file;
    EXPECT_FALSE(found[file].attributes & platform::kAttrDirectory) << file;
  }
  EXPECT_TRUE(found[".hidden"].attributes & platform::kAttrHidden);
  EXPECT_FALSE(found["b.txt"].attributes & platform::kAttrHidden);
  EXPECT_EQ(found["b.txt"].lastWrite, when);
}

TEST(DirectorySearch, GivesDotEntriesFirstThenNamesWithoutRegardToCase) {
  testsupport::TempTree tree;
  for (const char* name : {"zeta", "_x", "Beta", "alpha", "1"}) tree.AddFile(name);
  std::vector<std::string> names;
  for (const FoundEntry& entry : ListAll(tree.Root())) names.push_back(entry.name);
  // '_' lies between the upper-case and the lower-case letters: names compare in upper case.
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "1", "alpha", "Beta", "zeta", "_x"}));
}

TEST(DirectorySearch, DoesNotStartOnAMissingFolder) {
  testsupport::TempTree tree;
  platform::DirectorySearch search(tree.Path("missing/*.*"));
  EXPECT_FALSE(search.Started());
  FoundEntry entry;
  EXPECT_FALSE(search.Next(entry));
}

TEST(DirectorySearch, AnEmptyFolderHoldsOnlyItsDotEntries) {
  testsupport::TempTree tree;
  tree.AddFolder("empty");
  platform::DirectorySearch search(tree.Path("empty/*.*"));
  EXPECT_TRUE(search.Started());
  std::vector<std::string> names;
  for (FoundEntry entry; search.Next(entry);) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{".", ".."}));
}

TEST(FindOne, FindsAFileByItsFullPath) {
  testsupport::TempTree tree;
  const platform::FileTime when = testsupport::UtcFileTime(1999, 12, 31, 23, 59, 58);
  const std::string path = tree.AddFile("sub/a.log", "x", when);
  FoundEntry entry;
  ASSERT_TRUE(platform::FindOne(path, entry));
  EXPECT_EQ(entry.name, "a.log");
  EXPECT_FALSE(entry.attributes & platform::kAttrDirectory);
  EXPECT_EQ(entry.lastWrite, when);

  ASSERT_TRUE(platform::FindOne(tree.Path("sub"), entry));
  EXPECT_EQ(entry.name, "sub");
  EXPECT_TRUE(entry.attributes & platform::kAttrDirectory);
}

TEST(FindOne, FindsNothingForAMissingPathOrATrailingDelimiter) {
  testsupport::TempTree tree;
  tree.AddFolder("sub");
  FoundEntry entry;
  EXPECT_FALSE(platform::FindOne(tree.Path("missing.txt"), entry));
  EXPECT_FALSE(platform::FindOne(tree.Path("nowhere/missing.txt"), entry));
  EXPECT_FALSE(platform::FindOne(tree.Path("sub") + platform::kPathDelimiter, entry));
}

// Linux names may hold '*' and '?': a path named so is that file, not a pattern that
// another file of the folder matches first.
TEST(FindOne, ReadsANamedPathLiterally) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows names hold no '*' or '?'";
#endif
  testsupport::TempTree tree;
  tree.AddFile("a1.txt", "", testsupport::UtcFileTime(2001, 1, 1));
  tree.AddFile("a+.txt", "", testsupport::UtcFileTime(2001, 1, 1));
  for (const char* name : {"a?.txt", "a*.txt"}) {
    const platform::FileTime own = testsupport::UtcFileTime(2002, 2, 2);
    const std::string path = tree.AddFile(name, "", own);
    FoundEntry entry;
    ASSERT_TRUE(platform::FindOne(path, entry)) << name;
    EXPECT_EQ(entry.name, name);
    EXPECT_EQ(entry.lastWrite, own) << name;
  }
}

TEST(ReadAttributes, ReportsFoldersReadOnlyFilesAndMissingPaths) {
  testsupport::TempTree tree;
  tree.AddFile("plain.txt");
  tree.AddFile("locked.txt");
  tree.SetReadOnly("locked.txt", true);
  tree.AddFolder("sub");

  const uint32_t plain = platform::ReadAttributes(tree.Path("plain.txt"));
  const uint32_t locked = platform::ReadAttributes(tree.Path("locked.txt"));
  const uint32_t folder = platform::ReadAttributes(tree.Path("sub"));
  EXPECT_FALSE(plain & (platform::kAttrDirectory | platform::kAttrReadOnly)) << plain;
  EXPECT_TRUE(locked & platform::kAttrReadOnly) << locked;
  EXPECT_TRUE(folder & platform::kAttrDirectory) << folder;
  EXPECT_EQ(platform::ReadAttributes(tree.Path("missing")), platform::kInvalidAttributes);
  EXPECT_EQ(platform::ReadAttributes(tree.Path("missing/deeper")), platform::kInvalidAttributes);
}

#ifndef _WIN32
// Folders nested until the next level's path would be longer than the system opens, made and
// removed level by level, each relative to the one above.
class DeepFolders {
 public:
  explicit DeepFolders(const std::string& root) : deepest(root) {
    levels_.push_back(open(root.c_str(), O_RDONLY | O_DIRECTORY));
    while (deepest.size() + 1 + kName.size() < PATH_MAX) {
      mkdirat(levels_.back(), kName.c_str(), 0755);
      levels_.push_back(openat(levels_.back(), kName.c_str(), O_RDONLY | O_DIRECTORY));
      deepest += "/" + kName;
    }
  }
  ~DeepFolders() {
    for (const std::string& name : made_) {
      if (unlinkat(levels_.back(), name.c_str(), 0) != 0) {
        unlinkat(levels_.back(), name.c_str(), AT_REMOVEDIR);
      }
    }
    while (levels_.size() > 1) {
      close(levels_.back());
      levels_.pop_back();
      unlinkat(levels_.back(), kName.c_str(), AT_REMOVEDIR);
    }
    close(levels_.back());
  }
  // A file or folder in the deepest folder, whose path is too long to open.
  void Add(const std::string& name, bool folder) {
    if (folder) {
      mkdirat(levels_.back(), name.c_str(), 0755);
    } else {
      close(openat(levels_.back(), name.c_str(), O_WRONLY | O_CREAT, 0644));
    }
    made_.push_back(name);
  }

  const std::string kName = std::string(200, 'd');
  std::string deepest;

 private:
  std::vector<int> levels_;
  std::vector<std::string> made_;
};

TEST(DirectorySearch, ListsEntriesWhosePathsAreTooLongToOpen) {
  testsupport::TempTree tree;
  DeepFolders deep(tree.Root());
  deep.Add(std::string(200, 'f'), false);
  deep.Add(std::string(200, 'g'), true);
  std::map<std::string, FoundEntry> found;
  for (const FoundEntry& entry : ListAll(deep.deepest)) found[entry.name] = entry;
  ASSERT_EQ(found.size(), 4u);
  EXPECT_FALSE(found[std::string(200, 'f')].attributes & platform::kAttrDirectory);
  EXPECT_TRUE(found[std::string(200, 'g')].attributes & platform::kAttrDirectory);
}
#endif

}  // namespace
