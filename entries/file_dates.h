// Reading last-write times as packed file dates (MS-DOS date in the high half, time in the
// low half, local time, two-second resolution); -1 when no date could be read.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

constexpr int32_t kNoFileDate = -1;

// The kind text that marks a folder row.
extern const char* const kFolderKind;

uint32_t ReadPathAttributes(const std::string& path);
int32_t HandleLastWriteDate(const platform::FileHandle& handle);
int32_t FileLastWriteDate(const std::string& path);
// A last-write time that a directory search reported, converted as FileLastWriteDate does.
int32_t SearchTimeDate(platform::FileTime lastWrite);
// The date of a path opened as a folder (read access, others may read, backup semantics).
int32_t GetFolderDate(const std::string& path);

// The date text of a local file time to the second: the date texts that do not come from a
// packed file date.
std::string LocalTimeDateText(platform::FileTime local);

// The date text of a path's last-write time to the second, where a row's date is cut to two:
// what a backup of the path keeps, so that applying it gives the time back. A path of the
// folder kind is read as GetFolderDate reads it, any other by name. False when its time
// cannot be read.
bool SecondsDateText(const std::string& path, bool folderKind, std::string& text);
