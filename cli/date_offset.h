// Moving date texts by a fixed offset: horodex-cli shift.
#pragma once

#include <cstdint>
#include <string>

// The seconds of an offset as ReadDateOffset reads it; UsageError for anything else.
int64_t ParseDateOffset(const std::string& text);

// The date text `seconds` after the date of `text`, as ShiftDateText gives it. EConvertError
// with the program's message for a text that is no date, and with its own when the result
// lies where no file time can.
std::string ShiftedDateText(const std::string& text, int64_t seconds);
