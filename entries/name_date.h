// The date and time that phones, cameras, screenshot tools and messengers write into file
// names.
#pragma once

#include <string>

#include "platform/time.h"

// The first date in the name of the path (its folders are not looked at), in one of these
// forms, after any prefix (IMG_, VID_, PXL_, Screenshot_, "Screenshot ", signal-) and before
// anything but a digit (a counter, milliseconds, a suffix):
//   yyyyMMdd_HHmmss or yyyyMMdd-HHmmss, up to three digits of milliseconds at once after it;
//   yyyy-MM-dd, then a space, '_', '-' or " at ", then HH.mm.ss, HH-mm-ss or HHmmss (after
//     " at ", H.mm.ss too), with " AM" or " PM" after it for a 12-hour clock;
//   yyyyMMdd-WA and a digit, as messengers name what they save: that day at 00:00:00.
// `utc` is set for the names of Pixel phones (PXL_), which give the time in UTC; other names
// give the local time. A date that does not exist or digits that run on are no date: false.
bool NameDate(const std::string& path, platform::SystemTime& clock, bool& utc);
