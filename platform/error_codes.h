// The Win32 error codes that the program tells apart or reports. The win32 platform gets
// them from the system; the posix platform maps the Linux errors onto them.
#pragma once

#include <cstdint>

namespace platform {

constexpr uint32_t kErrorInvalidFunction = 1;
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorSharingViolation = 32;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorDiskFull = 112;
// No mapping for the Unicode character exists in the target multi-byte code page.
constexpr uint32_t kErrorNoUnicodeTranslation = 1113;

}  // namespace platform
