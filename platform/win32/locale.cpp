#include "platform/locale.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

#include "platform/win32/wide.h"

namespace platform {
namespace {

// EnumCalendarInfoW's callback takes no user pointer, so it collects here.
std::vector<std::string>& Collected() {
  static std::vector<std::string> texts;
  return texts;
}

BOOL CALLBACK CollectCalendarInfo(LPWSTR text) {
  Collected().push_back(win32::FromWide(text));
  return TRUE;
}

std::vector<std::string> EnumerateCalendarInfo(LocaleId locale, int calendar, CALTYPE type) {
  Collected().clear();
  EnumCalendarInfoW(CollectCalendarInfo, locale, static_cast<CALID>(calendar), type);
  return std::exchange(Collected(), {});
}

// The text of a wide buffer that a call filled, up to its first zero.
std::string FilledText(const std::wstring& buffer, int length) {
  const std::wstring_view filled(buffer.data(), static_cast<size_t>(length));
  return win32::FromWide(filled.substr(0, filled.find(L'\0')));
}

}  // namespace

LocaleId ThreadLocale() { return GetThreadLocale(); }

void SetThreadLocaleToUserDefault() { SetThreadLocale(LOCALE_USER_DEFAULT); }

std::optional<std::string> LocaleText(LocaleId locale, uint32_t item, int bufferSize) {
  if (bufferSize <= 0) return std::nullopt;
  std::wstring buffer(static_cast<size_t>(bufferSize), L'\0');
  const int length = GetLocaleInfoW(locale, item, buffer.data(), bufferSize);
  if (length <= 0) return std::nullopt;
  // The buffer counts the bytes of the text as the program holds it, with its zero: a UTF-8
  // text never has fewer bytes than UTF-16 units, so a text that fits it fitted the call.
  std::string text = FilledText(buffer, length);
  if (text.size() + 1 > static_cast<size_t>(bufferSize)) return std::nullopt;
  return text;
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
  const std::wstring widePicture = win32::ToWide(picture);
  int size =
      GetDateFormatW(locale, DATE_USE_ALT_CALENDAR, &fields, widePicture.c_str(), nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(size), L'\0');
  size = GetDateFormatW(locale, DATE_USE_ALT_CALENDAR, &fields, widePicture.c_str(), text.data(),
                        size);
  if (size <= 0) return std::nullopt;
  return FilledText(text, size);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  const std::wstring wideA = win32::ToWide(a), wideB = win32::ToWide(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                        static_cast<int>(wideA.size()), wideB.data(),
                        static_cast<int>(wideB.size())) == CSTR_EQUAL;
}

}  // namespace platform
