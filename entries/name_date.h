// The date and time that phones, cameras, screenshot tools and messengers write into file
// names.
#pragma once

#include <string>

#include "platform/time.h"

// The first date in the name of the path (its folders are not looked at), in one of these
// forms, after any prefix (IMG_, VID_, PXL_, Screenshot_, "Screenshot ", signal-, photo_,
// "WhatsApp Image ") and before anything but a digit (a counter, milliseconds, a suffix):
//   yyyyMMdd_HHmmss or yyyyMMdd-HHmmss, up to three digits of milliseconds at once after it;
//   yyyy-MM-dd, then a space, '_', '-' or " at ", then HH.mm.ss, HH-mm-ss or HHmmss (after
//     " at ", H.mm.ss too), with " AM" or " PM" after it for a 12-hour clock;
//   yyyy_MM_dd_HH_mm_ss;
//   yyyyMMddHHmmss at the start of the name or after BURST, up to four digits after it;
//   yyyyMMdd-WA and a digit, as messengers name what they save: that day at 00:00:00;
//   FB_IMG_ and 13 digits: milliseconds since 1970 in UTC.
// `utc` is set for the names that give the time in UTC: those of Pixel phones (PXL_), of
// iPhone exports (yyyyMMdd_HHmmssSSS_iOS) and FB_IMG_; other names give the local time. A
// date that does not exist, digits that run on, and a date before 1990 or after tomorrow
// (a counter that reads as a date) are no date: false.
bool NameDate(const std::string& path, platform::SystemTime& clock, bool& utc);
