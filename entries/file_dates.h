// Reading last-write times, and the date text a row shows for one.
#pragma once

#include <cstdint>
#include <string>

#include "entries/path_times.h"
#include "platform/files.h"

// The kind text that marks a folder row.
extern const char* const kFolderKind;

uint32_t ReadPathAttributes(const std::string& path);
// The last-write time (or another of its times) of a file found by name, UTC; false when
// there is none or the path is a folder.
bool FileLastWriteDate(const std::string& path, platform::FileTime& utc,
                       RowTime which = RowTime::LastWrite);
// The last-write time (or another of its times) of a path opened as a folder (read access,
// others may read, backup semantics); false when it cannot be opened or read.
bool GetFolderDate(const std::string& path, platform::FileTime& utc,
                   RowTime which = RowTime::LastWrite);
// The date text of a row listed with that last-write time: its local time, cut to two
// seconds, in the date text format. EConvertError "日付に変換できない値が渡されました" when
// the time has no local time.
std::string ListedDateText(platform::FileTime utc);
// The same, false where that raises.
bool TryListedDateText(platform::FileTime utc, std::string& text);

// The date text of a local file time to the second: the date texts that do not come from a
// packed file date.
std::string LocalTimeDateText(platform::FileTime local);

// The date text of a path's last-write time to the second, where a row's date is cut to two:
// what a backup of the path keeps, so that applying it gives the time back. It is written in
// the user's date and time format with four-digit years (FullYearDateText), and read back
// with ParseDateText before it is given: a format that does not give the same second back
// (one that leaves out a field, or names the month) makes no backup. A path of the folder
// kind is read as GetFolderDate reads it, any other by name.
enum class SecondsText {
  Written,
  Unread,      // its time cannot be read
  Unwritable,  // its local time lies after 9999, where no date text reaches
  Unreadable,  // the text written does not read back as that time
};
SecondsText SecondsDateText(const std::string& path, bool folderKind, std::string& text);
