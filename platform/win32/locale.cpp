#include "platform/locale.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace platform {
namespace {

// EnumCalendarInfoA's callback takes no user pointer, so it collects here.
std::vector<std::string>& Collected() {
  static std::vector<std::string> texts;
  return texts;
}

BOOL CALLBACK CollectCalendarInfo(LPSTR text) {
  Collected().emplace_back(text);
  return TRUE;
}

std::vector<std::string> EnumerateCalendarInfo(LocaleId locale, int calendar, CALTYPE type) {
  Collected().clear();
  EnumCalendarInfoA(CollectCalendarInfo, locale, static_cast<CALID>(calendar), type);
  return std::exchange(Collected(), {});
}

}  // namespace

LocaleId ThreadLocale() { return GetThreadLocale(); }

void SetThreadLocaleToUserDefault() { SetThreadLocale(LOCALE_USER_DEFAULT); }

std::optional<std::string> LocaleText(LocaleId locale, uint32_t item, int bufferSize) {
  if (bufferSize <= 0) return std::nullopt;
  std::string buffer(static_cast<size_t>(bufferSize), '\0');
  int length = GetLocaleInfoA(locale, item, buffer.data(), bufferSize);
  if (length <= 0) return std::nullopt;
  buffer.resize(strnlen(buffer.data(), static_cast<size_t>(length)));
  return buffer;
}

bool IsDoubleByteSystem() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

std::vector<std::pair<uint8_t, uint8_t>> LeadByteRanges() {
  std::vector<std::pair<uint8_t, uint8_t>> ranges;
  CPINFO info;
  if (!GetCPInfo(CP_ACP, &info)) return ranges;
  for (int i = 0; i + 1 < MAX_LEADBYTES && (info.LeadByte[i] || info.LeadByte[i + 1]); i += 2)
    ranges.emplace_back(info.LeadByte[i], info.LeadByte[i + 1]);
  return ranges;
}

std::vector<Era> CalendarEras(LocaleId locale, int calendar) {
  constexpr size_t kMostEras = 7;
  std::vector<std::string> names = EnumerateCalendarInfo(locale, calendar, CAL_SERASTRING);
  std::vector<std::string> offsets = EnumerateCalendarInfo(locale, calendar, CAL_IYEAROFFSETRANGE);
  std::vector<Era> eras;
  for (size_t i = 0; i < names.size() && i < kMostEras; ++i)
    eras.push_back({names[i], i < offsets.size() ? std::atoi(offsets[i].c_str()) : 0});
  return eras;
}

std::optional<std::string> FormatAltCalendarDate(const SystemTime& date,
                                                 const std::string& picture) {
  SYSTEMTIME fields{date.year, date.month,  date.dayOfWeek, date.day,
                    date.hour, date.minute, date.second,    date.milliseconds};
  const LCID locale = GetThreadLocale();
  int size = GetDateFormatA(locale, DATE_USE_ALT_CALENDAR, &fields, picture.c_str(), nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::string text(static_cast<size_t>(size), '\0');
  size = GetDateFormatA(locale, DATE_USE_ALT_CALENDAR, &fields, picture.c_str(), text.data(), size);
  if (size <= 0) return std::nullopt;
  text.resize(strnlen(text.data(), static_cast<size_t>(size)));
  return text;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace platform
