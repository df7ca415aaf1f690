// Reading date text back into a date-time value with the user's date settings as they stand.
#pragma once

#include <string>

// The date-time value of a date text: a date, a date and a time, or a time alone (on
// 1899-12-30). Throws EConvertError "'<text>' は日付または時刻ではありません" for anything else.
double ParseDateText(const std::string& text);
// The same, false for a text that is no date.
bool TryParseDateText(const std::string& text, double& value);

// The two scanning steps of ParseDateText. `pos` counts bytes from 1; on success it moves
// past what was read (and the blanks after it). On failure the value is not set and `pos`
// may have moved.
bool ScanDatePart(const std::string& text, int& pos, double& date);
bool ScanTimePart(const std::string& text, int& pos, double& time);
