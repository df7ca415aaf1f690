// Date settings fixed for a test (see date_settings_records.h) and values from calendar fields.
#pragma once

#include <gtest/gtest.h>

#include "date_settings_records.h"
#include "entries/date_value.h"

namespace datetest {

inline double Value(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int milliseconds = 0) {
  double date = 0, time = 0;
  EXPECT_TRUE(TryEncodeDate(year, month, day, date)) << year << "-" << month << "-" << day;
  EXPECT_TRUE(TryEncodeTime(hour, minute, second, milliseconds, time));
  return date >= 0 ? date + time : date - time;
}

}  // namespace datetest
