#include "date_fuzz_settings.h"

#include <array>
#include <optional>

#include "entries/date_settings.h"
#include "platform/testing.h"
#include "platform/time.h"
#include "tests/entries/date_settings_records.h"

namespace fuzzdates {
namespace {

// yyyy/MM/dd followed by the day name in brackets, with Japanese names.
DateSettingsRecord DayNameInBrackets() {
  DateSettingsRecord s;
  s.shortDateFormat = "yyyy/MM/dd' ('ddd')'";
  s.longDateFormat = "yyyy'年'M'月'd'日'";
  s.amDesignator = "午前";
  s.pmDesignator = "午後";
  s.shortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
  s.longDayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
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
  s.eras = {{"明治", 1868}, {"大正", 1912}, {"昭和", 1926}, {"平成", 1989}, {"令和", 2019}};
  return s;
}

// The Korean era calendar, whose years count from 2333 BC.
DateSettingsRecord KoreanEra() {
  DateSettingsRecord s;
  s.dateSeparator = '-';
  s.shortDateFormat = "ggg ee-MM-dd";
  s.longDateFormat = "ggg eeee'년' M'월' d'일'";
  s.amDesignator = "오전";
  s.pmDesignator = "오후";
  s.primaryLanguage = kLangKorean;
  s.doubleByteSystem = true;
  s.eras = {{"단기", 2333}};
  BuildTimeFormats(s);
  return s;
}

struct Setting {
  DateSettingsRecord record;
  bool codePage932;  // in force, as on Japanese Windows (UTF-8 otherwise)
};

const std::array<Setting, 6>& Settings() {
  static const std::array<Setting, 6> settings = {{
      {datetest::YearMonthDay(), false},
      {datetest::MonthDayYear(), false},
      {datetest::DayMonthYear(), false},
      {DayNameInBrackets(), true},
      // Era years come from the system's alternative calendar, which the posix platform
      // lacks: their texts are read, never written in full.
      {JapaneseEras(), true},
      {KoreanEra(), false},
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
  platform::testing::UseCodePage932(setting.codePage932);

  platform::SystemTime now;
  now.year = kYears[(variant >> 3) % kYears.size()];
  now.month = 6;
  now.day = 15;
  now.hour = 12;
  platform::SetLocalTimeOverride(now);
}

}  // namespace fuzzdates
