// The user's date and time settings, read from the locale of the current thread. Date texts
// are written and read back with them as they stand at that moment.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/locale.h"

// Primary language identifiers that change how dates are read and written.
constexpr int kLangChinese = 4;
constexpr int kLangEnglish = 9;
constexpr int kLangJapanese = 17;
constexpr int kLangKorean = 18;

// Era calendars (Japanese, Taiwanese, Korean).
inline bool IsEraCalendar(int calendar) { return calendar >= 3 && calendar <= 5; }

// A plain record: tests set its fields and restore it afterwards. The defaults are what an
// empty locale gives.
struct DateSettingsRecord {
  char dateSeparator = '/';  // '\0' when the locale gives an empty separator
  char timeSeparator = ':';
  char decimalSeparator = '.';
  std::string shortDateFormat = "m/d/yy";  // translated (see TranslateDateFormat)
  std::string longDateFormat = "mmmm d, yyyy";
  std::string amDesignator = "am";
  std::string pmDesignator = "pm";
  std::string hourForm = "h";    // "h", or "hh" with a leading zero
  bool twelveHourClock = true;   // the 12-hour clock writes the designator
  bool designatorFirst = false;  // the designator goes before the time
  std::array<std::string, 12> shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> longMonthNames = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
  std::array<std::string, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
  // Built from the clock, designator position and hour form by BuildTimeFormats.
  std::string shortTimeFormat = "h:mm AMPM";
  std::string longTimeFormat = "h:mm:ss AMPM";

  // Kept beside the locale items, from the same thread locale.
  int primaryLanguage = kLangEnglish;
  int subLanguage = 1;
  bool doubleByteSystem = false;
  std::vector<platform::Era> eras;  // at most seven, on a double-byte era-calendar system
};

extern DateSettingsRecord DateSettings;

// Reads every item from the thread locale into DateSettings (defaults for unreadable items)
// and reads the code page's lead bytes again. Every reading after the first one switches the
// thread locale back to the user's default first, so that a changed setting is seen.
void ReadDateSettings();

// Sets the short and long time formats from the clock, designator position and hour form.
void BuildTimeFormats(DateSettingsRecord& settings);

// A date format as the locale gives it, made fit for the formatter: under an era calendar
// the years become era years ("gg" -> "ggg", "yyyy" -> "eeee", "yy" -> "ee", "y" -> "e");
// otherwise Chinese, Japanese and Korean lose every era-name letter g.
std::string TranslateDateFormat(const std::string& format, int calendarType, int primaryLanguage);
