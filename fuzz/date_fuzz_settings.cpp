#include "date_fuzz_settings.h"

#include <array>
#include <optional>

#include "entries/code_page.h"
#include "entries/date_settings.h"
#include "platform/time.h"
#include "tests/entries/date_settings_records.h"

namespace fuzzdates {
namespace {

using LeadByteRanges = std::vector<std::pair<uint8_t, uint8_t>>;

// Shift-JIS (code page 932) and Unified Hangul (949) bytes, written out so that they are the
// same on both builds.
const LeadByteRanges kJapaneseLeadBytes = {{0x81, 0x9F}, {0xE0, 0xFC}};
const LeadByteRanges kKoreanLeadBytes = {{0x81, 0xFE}};

// yyyy/MM/dd followed by the day name in brackets, Japanese names in Shift-JIS.
DateSettingsRecord DayNameInBrackets() {
  DateSettingsRecord s;
  s.shortDateFormat = "yyyy/MM/dd' ('ddd')'";
  s.longDateFormat = "yyyy'\x94\x4e'M'\x8c\x8e'd'\x93\xfa'";
  s.amDesignator = "\x8c\xdf\x91\x4f";
  s.pmDesignator = "\x8c\xdf\x8c\xe3";
  s.shortDayNames = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                     "\x96\xd8", "\x8b\xe0", "\x93\x79"};
  s.longDayNames = {"\x93\xfa\x97\x6a\x93\xfa", "\x8c\x8e\x97\x6a\x93\xfa",
                    "\x89\xce\x97\x6a\x93\xfa", "\x90\x85\x97\x6a\x93\xfa",
                    "\x96\xd8\x97\x6a\x93\xfa", "\x8b\xe0\x97\x6a\x93\xfa",
                    "\x93\x79\x97\x6a\x93\xfa"};
  s.primaryLanguage = kLangJapanese;
  s.doubleByteSystem = true;
  s.twelveHourClock = false;
  BuildTimeFormats(s);
  return s;
}

// The Japanese era calendar: era name and era year before the month.
DateSettingsRecord JapaneseEras() {
  DateSettingsRecord s = DayNameInBrackets();
  s.shortDateFormat = "gggee/MM/dd";
  s.eras = {{"\x96\xbe\x8e\xa1", 1868},
            {"\x91\xe5\x90\xb3", 1912},
            {"\x8f\xba\x98\x61", 1926},
            {"\x95\xbd\x90\xac", 1989},
            {"\x97\xdf\x98\x61", 2019}};
  return s;
}

// The Korean era calendar, whose years count from 2333 BC.
DateSettingsRecord KoreanEra() {
  DateSettingsRecord s;
  s.dateSeparator = '-';
  s.shortDateFormat = "ggg ee-MM-dd";
  s.longDateFormat = "ggg eeee'\xb3\xe2' M'\xbf\xf9' d'\xc0\xcf'";
  s.amDesignator = "\xbf\xc0\xc0\xfc";
  s.pmDesignator = "\xbf\xc0\xc8\xc4";
  s.primaryLanguage = kLangKorean;
  s.doubleByteSystem = true;
  s.eras = {{"\xb4\xdc\xb1\xe2", 2333}};
  BuildTimeFormats(s);
  return s;
}

struct Setting {
  DateSettingsRecord record;
  const LeadByteRanges* leadBytes;
};

const std::array<Setting, 6>& Settings() {
  static const LeadByteRanges none;
  static const std::array<Setting, 6> settings = {{
      {datetest::YearMonthDay(), &none},
      {datetest::MonthDayYear(), &none},
      {datetest::DayMonthYear(), &none},
      {DayNameInBrackets(), &kJapaneseLeadBytes},
      // Era years come from the system's alternative calendar, which the posix platform
      // lacks: their texts are read, never written in full.
      {JapaneseEras(), &kJapaneseLeadBytes},
      {KoreanEra(), &kKoreanLeadBytes},
  }};
  return settings;
}
constexpr int kWrittenBack = 4;

// Years for the clock: today's, either side of a century window and the ends of the range.
constexpr std::array<uint16_t, 8> kYears = {2026, 2049, 2051, 1, 9999, 30827, 1601, 1980};

}  // namespace

void UseDateSettings(uint8_t byte, Choice choice) {
  const int count = choice == Choice::All ? static_cast<int>(Settings().size()) : kWrittenBack;
  const Setting& setting = Settings()[byte % count];
  const int variant = byte / count;
  DateSettings = setting.record;
  DateSettingsRecord& s = DateSettings;
  // The 12-hour clock writes a designator; without one the hour could not be read back.
  if (!s.amDesignator.empty() && !s.pmDesignator.empty()) s.twelveHourClock = variant & 1;
  s.designatorFirst = variant & 2;
  s.hourForm = variant & 4 ? "hh" : "h";
  BuildTimeFormats(s);
  // An era year without the era name before it is read in the first era.
  if (!s.eras.empty() && variant & 4) s.shortDateFormat.erase(0, s.shortDateFormat.find('e'));
  UseLeadByteRanges(*setting.leadBytes);

  platform::SystemTime now;
  now.year = kYears[(variant >> 3) % kYears.size()];
  now.month = 6;
  now.day = 15;
  now.hour = 12;
  platform::SetLocalTimeOverride(now);
}

}  // namespace fuzzdates
