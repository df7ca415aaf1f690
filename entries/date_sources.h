// Where a file row takes its date from: horodex-cli list --date-from, and the window's Tools
// menu.
#pragma once

#include <string>

#include "entries/sidecars.h"

enum class DateSource {
  LastWrite,  // its last-write time, as the window lists it
  Exif,       // the date its photo was taken
  Name,       // the date and time in its name
};

// The date text, to the second, that a source other than LastWrite gives for the file at
// `path`, or false when it gives none, or none that a file time can hold:
//   Exif: the date of its sidecar (an XMP sidecar, else Google Takeout's JSON; SidecarNames),
//     else the date taken of its own metadata (ReadTakenDate); a sidecar itself gives none;
//   Name: the date and time in its name (NameDate).
// A date that records its offset from UTC (or is UTC) is moved to the machine's local time;
// one that does not is taken as local time. `sidecars` keeps the sidecar names of the folders
// looked in: one for each command, so that each folder is searched once (or not at all, where
// the command's walk has handed over its listing).
bool SourceDateText(DateSource source, const std::string& path, std::string& text,
                    SidecarFolders& sidecars);
