// The dates that sidecars keep. Both readers take the whole text of the sidecar and give no
// date for one that does not parse (one cut short among them) or that lacks the keys; neither
// recurses: nesting is followed on a stack of its own, capped.
#pragma once

#include <string_view>

#include "entries/exif_date.h"

// Google Takeout's JSON: photoTakenTime.timestamp, else creationTime.timestamp, each seconds
// since 1970 in UTC, as text or as a number (0 is none).
bool ReadTakeoutDate(std::string_view text, ExifDate& date);

// XMP: exif:DateTimeOriginal, else photoshop:DateCreated, else xmp:CreateDate (their
// namespaces as XMP names them, whatever the prefixes), as an attribute of an element or as
// an element of its own, each only where it is a date and a time (to the minute at least) that
// exist; with its offset from UTC where it gives one.
bool ReadXmpDate(std::string_view text, ExifDate& date);
