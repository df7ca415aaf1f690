// Date settings fixed for a test or a fuzz run, whatever the machine's locale, and a fixed
// current year. Free of the test framework, so that the fuzz targets share them.
#pragma once

#include <optional>

#include "entries/date_settings.h"
#include "platform/testing.h"
#include "platform/time.h"

namespace datetest {

// Puts `settings` in force and fixes the clock in `year` until the scope ends.
class SettingsScope {
 public:
  explicit SettingsScope(const DateSettingsRecord& settings, int year = 2026)
      : saved_(DateSettings) {
    DateSettings = settings;
    platform::SystemTime now;
    now.year = static_cast<uint16_t>(year);
    now.month = 6;
    now.day = 15;
    now.hour = 12;
    platform::SetLocalTimeOverride(now);
  }
  ~SettingsScope() {
    DateSettings = saved_;
    platform::SetLocalTimeOverride(std::nullopt);
  }
  SettingsScope(const SettingsScope&) = delete;
  SettingsScope& operator=(const SettingsScope&) = delete;

 private:
  DateSettingsRecord saved_;
};

// yyyy/MM/dd, the 24-hour clock without leading zero, Japanese designators.
inline DateSettingsRecord YearMonthDay() {
  DateSettingsRecord s;
  s.shortDateFormat = "yyyy/MM/dd";
  s.longDateFormat = "yyyy'年'M'月'd'日'";
  s.amDesignator = "午前";
  s.pmDesignator = "午後";
  s.hourForm = "h";
  s.twelveHourClock = false;
  s.primaryLanguage = kLangJapanese;
  BuildTimeFormats(s);
  return s;
}

// M/d/yyyy, the 12-hour clock with the designator after the time.
inline DateSettingsRecord MonthDayYear() {
  DateSettingsRecord s;
  s.shortDateFormat = "M/d/yyyy";
  s.longDateFormat = "dddd, MMMM dd, yyyy";
  s.amDesignator = "a.m.";
  s.pmDesignator = "p.m.";
  s.hourForm = "h";
  s.twelveHourClock = true;
  s.designatorFirst = false;
  BuildTimeFormats(s);
  return s;
}

// dd.MM.yyyy, the 24-hour clock with leading zero, a decimal comma and no designators.
inline DateSettingsRecord DayMonthYear() {
  DateSettingsRecord s;
  s.dateSeparator = '.';
  s.decimalSeparator = ',';
  s.shortDateFormat = "dd.MM.yyyy";
  s.longDateFormat = "d. MMMM yyyy";
  s.amDesignator = "";
  s.pmDesignator = "";
  s.hourForm = "hh";
  s.twelveHourClock = false;
  BuildTimeFormats(s);
  return s;
}

}  // namespace datetest
