// The command line of horodex-cli.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct Arguments {
  enum class Command { Help, Version, List, Apply };
  Command command = Command::Help;
  std::vector<std::string> inputs;  // list: the paths; apply: the list files
  std::string output;               // list -o FILE; empty for standard output
  bool dryRun = false;              // apply --dry-run
  std::string backup;               // apply --backup FILE; empty for none
};

// Arguments that make no command; the text says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program's name:
//   list PATH... [-o FILE]
//   apply LIST... [--dry-run] [--backup FILE]
//   --help, -h, --version
// Options may stand anywhere after the command; "--" makes every later argument an input.
Arguments ParseArguments(const std::vector<std::string>& arguments);
