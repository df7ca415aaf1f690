// Where a file row takes its date from: horodex-cli list --date-from, and the window's Tools
// menu.
#pragma once

#include <string>

enum class DateSource {
  LastWrite,  // its last-write time, as the window lists it
  Exif,       // the date its photo was taken
  Name,       // the date and time in its name
};

// The date text, to the second, that a source other than LastWrite gives for the file at
// `path`: the date taken of its EXIF data, moved to the machine's local time where the file
// records its offset from UTC and taken as local time where not, or the date and time in its
// name, taken as local time. False when it gives none, or none that a file time can hold.
bool SourceDateText(DateSource source, const std::string& path, std::string& text);
