#include "cli/date_offset.h"

#include "cli/arguments.h"
#include "core/errors.h"
#include "entries/date_offset.h"

int64_t ParseDateOffset(const std::string& text) {
  int64_t seconds = 0;
  if (!ReadDateOffset(text, seconds))
    throw UsageError("'" + text + "' is no offset (such as +1d, -2h30m, +90s)");
  return seconds;
}

std::string ShiftedDateText(const std::string& text, int64_t seconds) {
  std::string shifted;
  if (!ShiftDateText(text, seconds, shifted))
    throw EConvertError("the shifted date lies outside the range of file times");
  return shifted;
}
