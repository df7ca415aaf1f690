#include "platform/files.h"

namespace platform {

#ifdef _WIN32
const char kPathDelimiter = '\\';
#else
const char kPathDelimiter = '/';
#endif

}  // namespace platform
