// Sidecars: the files beside a photo or video that keep its date for another program. XMP
// sidecars are written by photo editors and cataloguers, JSON ones by Google Takeout, whose
// export loses the date of many photos and keeps it there.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

enum class SidecarKind { Xmp, Takeout };

struct SidecarName {
  std::string name;  // the name alone, without its folder
  SidecarKind kind;
};

// The names that a sidecar of the file named `name` may have, in the order they are taken:
//   NAME.EXT.xmp, NAME.xmp;
//   NAME.EXT.json, NAME.EXT.supplemental-metadata.json and that name cut short (Takeout cuts
//   the whole name to 51 characters: NAME.EXT.supplemental-metad.json, NAME.EXT.s.json,
//   a long NAME.EXT itself cut), NAME.json;
//   for a numbered copy NAME(n).EXT, the same of NAME.EXT with (n) before .json
//   (NAME.EXT(n).json, NAME.EXT.supplemental-metadata(n).json);
//   for an edited copy NAME-edited.EXT (-bearbeitet, -modifié, -編集済み...), the JSON names of
//   the original NAME.EXT.
// Never the name itself.
std::vector<SidecarName> SidecarNames(const std::string& name);

// Whether a file of this name is a sidecar (.json or .xmp, in any case): text, no photo.
bool IsSidecarName(const std::string& name);

// The sidecar files of each folder that a command looks in, found in one directory search per
// folder and kept until the command ends: folders of tens of thousands of photos are common,
// and a question to the file system for each name that a sidecar may have would cost more
// than the photos' own dates.
class SidecarFolders {
 public:
  // The files of a folder that a walk has just listed to their end (`folder` with its
  // delimiter, as PathDirectory gives it): the folder's sidecars are taken from them, and the
  // folder is not searched again.
  void Listed(const std::string& folder, const std::vector<std::string>& files);
  // The paths of the sidecars beside the file at `path`, in the order SidecarNames gives.
  std::vector<std::pair<std::string, SidecarKind>> Find(const std::string& path);

 private:
  // The sidecar names of a folder, folded to lower case (the file system compares names
  // without regard to case on Windows; the sidecars that Takeout writes keep the photo's
  // case): each to the name as the folder spells it. A name of a length that none has is not
  // looked up, nor made.
  struct Sidecars {
    std::unordered_map<std::string, std::string> names;
    std::vector<bool> lengths;
    void Add(const std::string& name);
  };
  class Lookup;
  const Sidecars& Folder(const std::string& folder);

  std::unordered_map<std::string, Sidecars> folders_;
};
