// Dates written as text in the metadata of videos and PNG images.
#pragma once

#include <string_view>

#include "entries/exif_date.h"

// An ISO 8601 date and time, "2023-01-15T10:20:30" ('T' or a space between them, a fraction
// of a second allowed), with its offset from UTC where one follows: "Z", "+09:00", "+0900"
// or "+09"; or the same written as EXIF writes it, "2023:01:15 10:20:30". Leading and
// trailing spaces are allowed, nothing else. False for a date or time that does not exist.
bool ParseIsoDateText(std::string_view text, ExifDate& date);

// An RFC 1123 date and time, "Sun, 15 Jan 2023 10:20:30 +0900" (the day name may be left
// out; "GMT", "UTC", "UT" or "Z" for UTC), as PNG's "Creation Time" was first meant to be written.
bool ParseRfc1123DateText(std::string_view text, ExifDate& date);
