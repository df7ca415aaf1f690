// Moving date texts by a fixed offset: horodex-cli shift and the window's 日時をずらす.
#pragma once

#include <cstdint>
#include <string>

// An offset such as +1d, -2h30m, +90s or -1d2h: a sign, then whole days (d), hours (h),
// minutes (m) and seconds (s), in that order, each at most once and at least one. False,
// leaving `seconds` alone, for anything else.
bool ReadDateOffset(const std::string& text, int64_t& seconds);

// The date text `seconds` after the date of `text`, written as every date text is, to the
// second. EConvertError with the program's message for a text that is no date; false, with
// `shifted` untouched, when the result lies where no file time can (before 1601 in UTC,
// after 9999).
bool ShiftDateText(const std::string& text, int64_t seconds, std::string& shifted);
