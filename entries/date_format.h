// Writing date-time values as text with the user's date settings.
#pragma once

#include <string>

// Expands one format pattern for a value (the pattern elements d, m, y, e, g, h, n, s, z, t,
// c, AM/PM, A/P, AMPM, AAA, AAAA, quoted text, / and :). Patterns that insert another format
// nest at most two levels deep; the result is at most 256 bytes.
std::string ApplyDateFormat(const std::string& pattern, double value);

// The date text of a value: the short date format and, unless the time of day is 00:00:00
// (milliseconds not counting), a space and the long time format.
std::string FormatDateText(double value);
// The same with every year of four digits, whatever the short date format gives: a text that
// reads back in any century (a backup's).
std::string FullYearDateText(double value);
