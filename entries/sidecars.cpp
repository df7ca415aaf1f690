#include "entries/sidecars.h"

#include <string_view>

#include "entries/path_kind.h"
#include "platform/files.h"

namespace {

constexpr std::string_view kSupplemental = "supplemental-metadata";
// Takeout cuts a sidecar's whole name to 51 characters, ".json" included.
constexpr size_t kTakeoutNameLimit = 51;
constexpr std::string_view kJson = ".json";

// The suffixes that Google Photos gives an edited copy, in the languages it speaks (UTF-8).
constexpr std::string_view kEditedSuffixes[] = {
    "-edited",
    "-bearbeitet",
    "-modifi\xC3\xA9",
    "-\xE7\xB7\xA8\xE9\x9B\x86\xE6\xB8\x88\xE3\x81\xBF",
    "-modificato",
    "-editado",
    "-ha editado",
    "-bewerkt",
    "-edytowane",
    "-editat",
    "-redigerad",
    "-redigeret",
    "-muokattu",
    "-upraveno",
    "-\xD0\xB8\xD0\xB7\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB5\xD0\xBD\xD0\xBE",
};

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

bool EndsWithFolded(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && Folded(text.substr(text.size() - end.size())) == end;
}

// The first `count` characters of a UTF-8 text (all of it when it has fewer).
std::string_view FirstCharacters(std::string_view text, size_t count) {
  size_t at = 0;
  for (size_t seen = 0; at < text.size(); ++at) {
    if ((static_cast<uint8_t>(text[at]) & 0xC0) == 0x80) continue;
    if (seen++ == count) break;
  }
  return text.substr(0, at);
}

size_t Characters(std::string_view text) {
  size_t count = 0;
  for (char c : text) count += (static_cast<uint8_t>(c) & 0xC0) != 0x80;
  return count;
}

// NAME of NAME.EXT (the whole name when it has no extension).
std::string_view Stem(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

// Takeout's names for the sidecar of `name` (NAME.EXT), with `counter` ("(1)" or "") before
// .json.
void AddTakeoutNames(std::string_view name, std::string_view counter,
                     std::vector<SidecarName>& names) {
  auto add = [&](std::string_view stem) {
    names.push_back(
        {std::string(stem) + std::string(counter) + std::string(kJson), SidecarKind::Takeout});
  };
  add(name);
  const std::string full = std::string(name) + "." + std::string(kSupplemental);
  for (size_t length = kSupplemental.size(); length > 0; --length) {
    add(std::string_view(full).substr(0, name.size() + 1 + length));
  }
  // A long name cut inside NAME.EXT itself.
  const size_t room = kTakeoutNameLimit - kJson.size() - Characters(counter);
  if (Characters(name) > room) add(FirstCharacters(full, room));
  add(Stem(name));
}

// NAME.EXT of a numbered copy NAME(n).EXT, and "(n)"; false for another name.
bool Numbered(std::string_view name, std::string& original, std::string& counter) {
  const std::string_view stem = Stem(name);
  if (stem.empty() || stem.back() != ')') return false;
  const size_t open = stem.rfind('(');
  if (open == std::string_view::npos || open == 0 || open + 2 >= stem.size()) return false;
  for (size_t at = open + 1; at + 1 < stem.size(); ++at) {
    if (stem[at] < '0' || stem[at] > '9') return false;
  }
  counter = std::string(stem.substr(open));
  original = std::string(stem.substr(0, open)) + std::string(name.substr(stem.size()));
  return true;
}

// The original NAME.EXT of an edited copy NAME-edited.EXT; false for another name.
bool Unedited(std::string_view name, std::string& original) {
  const std::string_view stem = Stem(name);
  for (std::string_view suffix : kEditedSuffixes) {
    if (stem.size() > suffix.size() && EndsWithFolded(stem, suffix)) {
      original = std::string(stem.substr(0, stem.size() - suffix.size())) +
                 std::string(name.substr(stem.size()));
      return true;
    }
  }
  return false;
}

// The JSON names of `name`, of it as a numbered copy, and of its original.
void AddJsonNames(std::string_view name, std::vector<SidecarName>& names) {
  AddTakeoutNames(name, "", names);
  std::string numbered, counter, original;
  const bool isNumbered = Numbered(name, numbered, counter);
  if (isNumbered) AddTakeoutNames(numbered, counter, names);
  if (Unedited(name, original)) {
    AddTakeoutNames(original, "", names);
    if (Numbered(original, numbered, counter)) AddTakeoutNames(numbered, counter, names);
  } else if (isNumbered && Unedited(numbered, original)) {
    AddTakeoutNames(original, counter, names);
  }
}

}  // namespace

bool IsSidecarName(const std::string& name) {
  return EndsWithFolded(name, ".json") || EndsWithFolded(name, ".xmp");
}

std::vector<SidecarName> SidecarNames(const std::string& name) {
  std::vector<SidecarName> names;
  names.push_back({name + ".xmp", SidecarKind::Xmp});
  names.push_back({std::string(Stem(name)) + ".xmp", SidecarKind::Xmp});
  AddJsonNames(name, names);
  // Each name once, and never the file itself.
  const std::string self = Folded(name);
  std::vector<SidecarName> unique;
  for (SidecarName& candidate : names) {
    bool seen = Folded(candidate.name) == self;
    for (const SidecarName& kept : unique) seen = seen || kept.name == candidate.name;
    if (!seen) unique.push_back(std::move(candidate));
  }
  return unique;
}

const SidecarFolders::Names& SidecarFolders::Folder(const std::string& folder) {
  const auto found = folders_.find(folder);
  if (found != folders_.end()) return found->second;
  Names& names = folders_[folder];
  platform::DirectorySearch search(folder + "*.*");
  platform::FoundEntry entry;
  while (search.Started() && search.Next(entry)) {
    if (!(entry.attributes & platform::kAttrDirectory) &&
        IsSidecarName(entry.name)) {
      names.emplace(Folded(entry.name), entry.name);
    }
  }
  return names;
}

std::vector<std::pair<std::string, SidecarKind>> SidecarFolders::Find(const std::string& path) {
  std::vector<std::pair<std::string, SidecarKind>> found;
  const std::string folder = PathDirectory(path);
  const Names& names = Folder(folder);
  if (names.empty()) return found;
  for (const SidecarName& candidate : SidecarNames(path.substr(folder.size()))) {
    const auto name = names.find(Folded(candidate.name));
    if (name != names.end()) found.emplace_back(folder + name->second, candidate.kind);
  }
  return found;
}
