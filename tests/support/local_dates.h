// File times of local calendar dates, as the program shows and writes them.
#pragma once

#include "platform/files.h"
#include "platform/time.h"

namespace testsupport {

// A SYSTEMTIME record of these calendar fields (day of week left 0).
platform::SystemTime SystemFields(int year, int month, int day, int hour = 0, int minute = 0,
                                  int second = 0, int milliseconds = 0);

// The UTC file time of a local date and time (with the time-zone bias in force now).
platform::FileTime LocalFileTime(int year, int month, int day, int hour = 0, int minute = 0,
                                 int second = 0);

}  // namespace testsupport
