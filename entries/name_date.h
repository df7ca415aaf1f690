// The date and time that phones and cameras write into file names.
#pragma once

#include <string>

#include "platform/time.h"

// The first date and time in the name of the path (its folders are not looked at), written
// yyyyMMdd_HHmmss or yyyyMMdd-HHmmss (up to three digits of milliseconds may follow at once),
// or yyyy-MM-dd HH.mm.ss or yyyy-MM-dd_HH-mm-ss (the date and time parted by a space, '_' or
// '-', the time by '.' or '-'). Any prefix may stand before it (IMG_, VID_, PXL_,
// Screenshot_) and anything but a digit after it (a counter, milliseconds, a suffix). A
// date that does not exist or digits that run on are no date: false.
bool NameDate(const std::string& path, platform::SystemTime& local);
