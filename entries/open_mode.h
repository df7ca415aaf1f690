// Opening a listed path for writing its times, by open mode: the low two bits pick the
// access, bits 4 to 7 the sharing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

// The mode the Update command uses: write access, others may read.
constexpr uint8_t kOpenWriteShareRead = 0x21;

// CreateFile(path, access, sharing, none, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, none), a link
// opened as itself (FILE_FLAG_OPEN_REPARSE_POINT): a row of a link shows the link's own
// date, and its target may lie outside the tree. The access has `alsoAccess` added
// (kReadAttributes: the times can be read as well).
platform::FileHandle OpenForWrite(const std::string& path, uint8_t mode, uint32_t alsoAccess = 0);
// The same with backup semantics, which also opens a folder.
platform::FileHandle OpenFolder(const std::string& path, uint8_t mode, uint32_t alsoAccess = 0);
