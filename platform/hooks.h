// Where tests take the place of the system. Each hook is null in the program, which then
// makes the real call; only the testing library (platform/testing.h) sets them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/time.h"

namespace platform::hooks {

// Writes through FileHandle: how many of `size` bytes may be written (fewer fail the write
// as on a full disk), then how many were.
struct WriteLimit {
  virtual uint32_t Allowed(uint32_t size) = 0;
  virtual void Wrote(uint32_t bytes) = 0;
};
extern WriteLimit* writeLimit;

// Told of each FileHandle flush, each close of an open FileHandle and each MoveFileReplacing
// as it is made: "flush", "close", "move". A move that it answers true for counts as done and
// is not made.
extern bool (*fileCall)(const char* call);

// ShellOpen, with its arguments, in place of ShellExecuteW.
struct ShellRequest {
  WindowHandle owner;
  std::string operation, file, parameters, directory;
  int show;
};
extern void (*shellOpen)(const ShellRequest& request);

// The texts that CommandLine and ModuleFileName give in place of the process's own.
extern const std::string* commandLine;
extern const std::string* moduleFileName;

// The time that LocalTime gives in place of the clock's.
extern const SystemTime* localTime;

// Told of every drop handle that DropFinish finishes.
extern void (*dropFinished)(DropHandle drop);

// How many entries ("." and ".." count) each directory search gives before it fails as a
// share that goes away does.
extern const uint32_t* searchEntries;

// Linux: the ANSI code page is 932 (Japanese Windows) rather than UTF-8.
extern bool ansiCodePage932;

}  // namespace platform::hooks
