#include "entries/file_dates.h"

#include "core/errors.h"
#include "entries/date_format.h"
#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "platform/civil.h"
#include "platform/time.h"

const char* const kFolderKind = "フォルダ";

namespace {

platform::FileHandle OpenToReadFolder(const std::string& path) {
  return platform::FileHandle::Open(
      path, platform::kGenericRead, platform::kShareRead, platform::kOpenExisting,
      platform::kFlagBackupSemantics | platform::kFlagOpenReparsePoint);
}

}  // namespace

uint32_t ReadPathAttributes(const std::string& path) { return platform::ReadAttributes(path); }

bool FileLastWriteDate(const std::string& path, platform::FileTime& utc, RowTime which) {
  platform::FoundEntry entry;
  if (!platform::FindOne(path, entry) || (entry.attributes & platform::kAttrDirectory))
    return false;
  utc = TimeOf({entry.creation, entry.lastAccess, entry.lastWrite}, which);
  return true;
}

bool GetFolderDate(const std::string& path, platform::FileTime& utc, RowTime which) {
  platform::FileHandle folder = OpenToReadFolder(path);
  if (which == RowTime::LastWrite) return folder.GetLastWriteTime(utc);
  PathTimes times;
  if (!folder.GetTimes(&times.creation, &times.lastAccess, &times.lastWrite)) return false;
  utc = TimeOf(times, which);
  return true;
}

bool TryListedDateText(platform::FileTime utc, std::string& text) {
  constexpr uint64_t kTwoSeconds = 20'000'000;
  // Date texts run to the end of year 9999.
  const uint64_t kYear10000 = static_cast<uint64_t>(platform::civil::DaysFrom1601(10000, 1, 1)) *
                              platform::civil::kTicksPerDay;
  platform::FileTime local;
  if (!platform::UtcToLocalTime(utc, local) || local.ticks >= kYear10000) return false;
  local.ticks -= local.ticks % kTwoSeconds;
  text = LocalTimeDateText(local);
  return true;
}

std::string ListedDateText(platform::FileTime utc) {
  std::string text;
  if (!TryListedDateText(utc, text)) throw EConvertError("日付に変換できない値が渡されました");
  return text;
}

std::string LocalTimeDateText(platform::FileTime local) {
  return FormatDateText(LocalFileTimeToValue(local));
}

SecondsText SecondsDateText(const std::string& path, bool folderKind, std::string& text) {
  platform::FileTime utc, local;
  if (folderKind) {
    if (!OpenToReadFolder(path).GetLastWriteTime(utc)) return SecondsText::Unread;
  } else {
    platform::FoundEntry entry;
    if (!platform::FindOne(path, entry)) return SecondsText::Unread;
    utc = entry.lastWrite;
  }
  if (!platform::UtcToLocalTime(utc, local)) return SecondsText::Unwritable;
  const platform::civil::CivilDate day = platform::civil::DateFrom1601(
      static_cast<int64_t>(local.ticks / platform::civil::kTicksPerDay));
  if (day.year > 9999) return SecondsText::Unwritable;
  const double value = LocalFileTimeToValue(local);
  text = FullYearDateText(value);
  double read = 0;
  if (!TryParseDateText(text, read)) return SecondsText::Unreadable;
  const DateTimeFields want = DecodeDateTime(value), got = DecodeDateTime(read);
  const bool same = want.year == got.year && want.month == got.month && want.day == got.day &&
                    want.hour == got.hour && want.minute == got.minute && want.second == got.second;
  return same ? SecondsText::Written : SecondsText::Unreadable;
}
