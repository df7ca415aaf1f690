// The command line of horodex-cli.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "entries/date_sources.h"
#include "entries/path_times.h"
#include "entries/stamp.h"

struct Arguments {
  enum class Command { Help, Version, List, Apply, Shift };
  Command command = Command::Help;
  std::vector<std::string> inputs;  // list: the paths; apply, shift: the list files
  std::string output;   // list, shift -o FILE; empty for standard output (list), in place (shift)
  bool dryRun = false;  // apply --dry-run
  std::string backup;   // apply --backup FILE; empty for none
  StampTimes times;     // apply --times c,a,w
  bool forceBackup = false;  // apply --force-backup: the backup may replace a file
  DateSource dateFrom = DateSource::LastWrite;  // list --date-from exif|name
  RowTime time = RowTime::LastWrite;            // list --time c|a|w
  bool onlyDated = false;                       // list --only-dated
  bool verbose = false;                         // list --verbose
  int64_t shiftSeconds = 0;                     // shift OFFSET
};

// Arguments that make no command; the text says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program's name:
//   list PATH... [-o FILE] [--time c|a|w] [--date-from exif|name [--only-dated] [--verbose]]
//   apply LIST... [--dry-run] [--backup FILE [--force-backup]] [--times c,a,w]
//   shift OFFSET LIST... [-o FILE]
//   --help, -h, --version
// Options may stand anywhere after the command; "--" makes every later argument an input.
// The OFFSET of shift may begin with '-' (-2h30m).
Arguments ParseArguments(const std::vector<std::string>& arguments);
