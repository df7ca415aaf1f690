#include "cli/list_dates.h"

#include "entries/date_settings.h"

void ReadListDateSettings() {
  ReadDateSettings();
  if (platform::LocaleText(platform::ThreadLocale(), platform::kLocaleSShortDate, 256)) return;
  DateSettings.shortDateFormat = "yyyy/MM/dd";
  DateSettings.hourForm = "h";
  DateSettings.twelveHourClock = false;
  BuildTimeFormats(DateSettings);
}
