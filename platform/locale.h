// Locale items, code-page facts, era calendars and caseless comparison.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/time.h"

namespace platform {

using LocaleId = uint32_t;

// Locale item numbers, with their Win32 values.
constexpr uint32_t kLocaleSDecimal = 0x0E;
constexpr uint32_t kLocaleSDate = 0x1D;
constexpr uint32_t kLocaleSTime = 0x1E;
constexpr uint32_t kLocaleSShortDate = 0x1F;
constexpr uint32_t kLocaleSLongDate = 0x20;
constexpr uint32_t kLocaleITime = 0x23;
constexpr uint32_t kLocaleITLZero = 0x25;
constexpr uint32_t kLocaleS1159 = 0x28;
constexpr uint32_t kLocaleS2359 = 0x29;
constexpr uint32_t kLocaleSDayName1 = 0x2A;          // Monday; SDAYNAME7 (Sunday) = 0x30
constexpr uint32_t kLocaleSAbbrevDayName1 = 0x31;    // Monday; 7 (Sunday) = 0x37
constexpr uint32_t kLocaleSMonthName1 = 0x38;        // January; 12 = 0x43
constexpr uint32_t kLocaleSAbbrevMonthName1 = 0x44;  // January; 12 = 0x4F
constexpr uint32_t kLocaleITimeMarkPosn = 0x1005;
constexpr uint32_t kLocaleICalendarType = 0x1009;
constexpr uint32_t kLocaleIOptionalCalendar = 0x100B;

LocaleId ThreadLocale();              // GetThreadLocale
void SetThreadLocaleToUserDefault();  // SetThreadLocale(LOCALE_USER_DEFAULT)

// GetLocaleInfoW into a buffer of bufferSize characters: the text without its terminating zero,
// or nullopt when the call returns 0 or less (missing item, or the text does not fit).
std::optional<std::string> LocaleText(LocaleId locale, uint32_t item, int bufferSize);

bool IsDoubleByteSystem();  // GetSystemMetrics(SM_DBCSENABLED) != 0
// The lead-byte ranges of the ANSI code page (GetCPInfo), as inclusive pairs.
std::vector<std::pair<uint8_t, uint8_t>> LeadByteRanges();

struct Era {
  std::string name;
  int yearOffset = 0;
};
// EnumCalendarInfoW with CAL_SERASTRING and CAL_IYEAROFFSETRANGE for one calendar, in the
// order the system gives them; empty where the calendar has no eras.
std::vector<Era> CalendarEras(LocaleId locale, int calendar);

// GetDateFormatW with the thread locale, DATE_USE_ALT_CALENDAR and one picture;
// nullopt when the call fails.
std::optional<std::string> FormatAltCalendarDate(const SystemTime& date,
                                                 const std::string& picture);

// CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, b) == CSTR_EQUAL.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace platform
