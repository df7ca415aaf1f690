// Moving date texts by a fixed offset: horodex-cli shift.
#pragma once

#include <cstdint>
#include <string>

// An offset such as +1d, -2h30m, +90s or -1d2h: a sign, then whole days (d), hours (h),
// minutes (m) and seconds (s), in that order, each at most once and at least one. The
// seconds it stands for; UsageError for anything else.
int64_t ParseDateOffset(const std::string& text);

// The date text `seconds` after the date of `text`, written as every date text is, to the
// second. EConvertError with the program's message for a text that is no date, and with its
// own when the result lies where no file time can.
std::string ShiftedDateText(const std::string& text, int64_t seconds);
