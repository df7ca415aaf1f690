// The hooks of platform/hooks.h: null unless the testing library sets them.
#include "platform/hooks.h"

namespace platform::hooks {

WriteLimit* writeLimit = nullptr;
bool (*fileCall)(const char* call) = nullptr;
void (*shellOpen)(const ShellRequest& request) = nullptr;
const std::string* commandLine = nullptr;
const std::string* moduleFileName = nullptr;
void (*dropFinished)(DropHandle drop) = nullptr;
const SystemTime* localTime = nullptr;
const uint32_t* searchEntries = nullptr;
bool ansiCodePage932 = false;

}  // namespace platform::hooks
