#include "entries/file_dates.h"

#include "entries/date_format.h"
#include "entries/date_value.h"
#include "platform/time.h"

const char* const kFolderKind = "フォルダ";

namespace {

int32_t Pack(uint16_t date, uint16_t time) {
  return static_cast<int32_t>((static_cast<uint32_t>(date) << 16) | time);
}

platform::FileHandle OpenToReadFolder(const std::string& path) {
  return platform::FileHandle::Open(
      path, platform::kGenericRead, platform::kShareRead, platform::kOpenExisting,
      platform::kFlagBackupSemantics | platform::kFlagOpenReparsePoint);
}

}  // namespace

uint32_t ReadPathAttributes(const std::string& path) { return platform::ReadAttributes(path); }

int32_t HandleLastWriteDate(const platform::FileHandle& handle) {
  platform::FileTime utc, local;
  uint16_t date = 0, time = 0;
  if (!handle.GetLastWriteTime(utc) || !platform::FileTimeToLocalFileTime(utc, local) ||
      !platform::FileTimeToDosDateTime(local, date, time)) {
    return kNoFileDate;
  }
  return Pack(date, time);
}

int32_t SearchTimeDate(platform::FileTime lastWrite) {
  platform::FileTime local;
  platform::FileTimeToLocalFileTime(lastWrite, local);  // fails only for times beyond any date
  uint16_t date = 0, time = 0;
  if (!platform::FileTimeToDosDateTime(local, date, time)) return kNoFileDate;
  return Pack(date, time);
}

int32_t FileLastWriteDate(const std::string& path) {
  platform::FoundEntry entry;
  if (!platform::FindOne(path, entry)) return kNoFileDate;
  if (entry.attributes & platform::kAttrDirectory) return kNoFileDate;
  return SearchTimeDate(entry.lastWrite);
}

int32_t GetFolderDate(const std::string& path) {
  return HandleLastWriteDate(OpenToReadFolder(path));
}

std::string LocalTimeDateText(platform::FileTime local) {
  return FormatDateText(LocalFileTimeToValue(local));
}

bool SecondsDateText(const std::string& path, bool folderKind, std::string& text) {
  platform::FileTime utc, local;
  if (folderKind) {
    if (!OpenToReadFolder(path).GetLastWriteTime(utc)) return false;
  } else {
    platform::FoundEntry entry;
    if (!platform::FindOne(path, entry)) return false;
    utc = entry.lastWrite;
  }
  if (!platform::FileTimeToLocalFileTime(utc, local)) return false;
  text = LocalTimeDateText(local);
  return true;
}
