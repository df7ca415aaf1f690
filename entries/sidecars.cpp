#include "entries/sidecars.h"

#include <algorithm>
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

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = Folded(c);
  return folded;
}

// Whether `text` ends with `end` (folded) in any case.
bool EndsWithFolded(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  text.remove_prefix(text.size() - end.size());
  for (size_t at = 0; at < end.size(); ++at) {
    if (Folded(text[at]) != end[at]) return false;
  }
  return true;
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

// The names that a sidecar of a file may have, each handed to the receiver with its kind, in
// the order they are taken (a name may come more than once): receiver(name, kind). A photo
// has some fifty; each is made in one buffer, and only where receiver.Wants(its length).
template <typename Receiver>
class NameVisitor {
 public:
  explicit NameVisitor(Receiver& receiver) : receiver_(receiver) {}

  void All(std::string_view name) {
    Emit(SidecarKind::Xmp, {name, ".xmp"});
    Emit(SidecarKind::Xmp, {Stem(name), ".xmp"});
    // The JSON names of `name`, of it as a numbered copy, and of its original.
    Takeout(name, "");
    std::string numbered, counter, original;
    const bool isNumbered = Numbered(name, numbered, counter);
    if (isNumbered) Takeout(numbered, counter);
    if (Unedited(name, original)) {
      Takeout(original, "");
      if (Numbered(original, numbered, counter)) Takeout(numbered, counter);
    } else if (isNumbered && Unedited(numbered, original)) {
      Takeout(original, counter);
    }
  }

 private:
  void Emit(SidecarKind kind, std::initializer_list<std::string_view> pieces) {
    size_t length = 0;
    for (std::string_view piece : pieces) length += piece.size();
    if (!receiver_.Wants(length)) return;
    buffer_.clear();
    for (std::string_view piece : pieces) buffer_.append(piece);
    receiver_(std::string_view(buffer_), kind);
  }

  // Takeout's names for the sidecar of `name` (NAME.EXT), with `counter` ("(1)" or "") before
  // .json.
  void Takeout(std::string_view name, std::string_view counter) {
    Emit(SidecarKind::Takeout, {name, counter, kJson});
    for (size_t length = kSupplemental.size(); length > 0; --length) {
      Emit(SidecarKind::Takeout, {name, ".", kSupplemental.substr(0, length), counter, kJson});
    }
    // A long name cut inside NAME.EXT itself.
    const size_t room = kTakeoutNameLimit - kJson.size() - Characters(counter);
    if (Characters(name) > room) {
      Emit(SidecarKind::Takeout, {FirstCharacters(name, room), counter, kJson});
    }
    Emit(SidecarKind::Takeout, {Stem(name), counter, kJson});
  }

  Receiver& receiver_;
  std::string buffer_;
};

template <typename Receiver>
void VisitSidecarNames(std::string_view name, Receiver& receiver) {
  NameVisitor<Receiver>(receiver).All(name);
}

// Each name once, and never the file itself.
struct NameList {
  bool Wants(size_t) const { return true; }
  void operator()(std::string_view candidate, SidecarKind kind) {
    bool seen = Folded(candidate) == self;
    for (const SidecarName& kept : names) seen = seen || kept.name == candidate;
    if (!seen) names.push_back({std::string(candidate), kind});
  }

  const std::string self;
  std::vector<SidecarName> names;
};

}  // namespace

bool IsSidecarName(const std::string& name) {
  return EndsWithFolded(name, ".json") || EndsWithFolded(name, ".xmp");
}

std::vector<SidecarName> SidecarNames(const std::string& name) {
  NameList list{Folded(name), {}};
  VisitSidecarNames(name, list);
  return std::move(list.names);
}

// The sidecars of a folder that a file's names find, each once, never the file itself.
class SidecarFolders::Lookup {
 public:
  Lookup(const std::string& folder, const Sidecars& sidecars, std::string_view self)
      : folder_(folder), sidecars_(sidecars), self_(self) {}

  bool Wants(size_t length) const {
    return length < sidecars_.lengths.size() && sidecars_.lengths[length];
  }
  void operator()(std::string_view candidate, SidecarKind kind) {
    if (candidate == self_) return;
    key_.assign(candidate);
    const auto name = sidecars_.names.find(key_);
    if (name == sidecars_.names.end() ||
        std::find(seen_.begin(), seen_.end(), &name->second) != seen_.end()) {
      return;
    }
    seen_.push_back(&name->second);
    found.emplace_back(folder_ + name->second, kind);
  }

  std::vector<std::pair<std::string, SidecarKind>> found;

 private:
  const std::string& folder_;
  const Sidecars& sidecars_;
  const std::string_view self_;
  std::string key_;
  std::vector<const std::string*> seen_;
};

void SidecarFolders::Sidecars::Add(const std::string& name) {
  names.emplace(Folded(name), name);
  if (lengths.size() <= name.size()) lengths.resize(name.size() + 1);
  lengths[name.size()] = true;
}

void SidecarFolders::Listed(const std::string& folder, const std::vector<std::string>& files) {
  Sidecars sidecars;
  for (const std::string& file : files) {
    if (IsSidecarName(file)) sidecars.Add(file);
  }
  folders_.insert_or_assign(folder, std::move(sidecars));
}

const SidecarFolders::Sidecars& SidecarFolders::Folder(const std::string& folder) {
  const auto found = folders_.find(folder);
  if (found != folders_.end()) return found->second;
  Sidecars& sidecars = folders_[folder];
  platform::DirectorySearch search(folder + "*.*");
  platform::FoundEntry entry;
  while (search.Started() && search.Next(entry)) {
    if (!(entry.attributes & platform::kAttrDirectory) && IsSidecarName(entry.name)) {
      sidecars.Add(entry.name);
    }
  }
  return sidecars;
}

std::vector<std::pair<std::string, SidecarKind>> SidecarFolders::Find(const std::string& path) {
  const std::string folder = PathDirectory(path);
  const Sidecars& sidecars = Folder(folder);
  if (sidecars.names.empty()) return {};
  // The names are made from the folded name, which makes them folded: only A to Z fold, and
  // the rules look at no other letter's case.
  const std::string self = Folded(std::string_view(path).substr(folder.size()));
  Lookup lookup(folder, sidecars, self);
  VisitSidecarNames(self, lookup);
  return std::move(lookup.found);
}
