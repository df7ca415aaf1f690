#include "cli/arguments.h"

namespace {

using Command = Arguments::Command;

Command CommandNamed(const std::string& word) {
  if (word == "list") return Command::List;
  if (word == "apply") return Command::Apply;
  if (word == "--help" || word == "-h") return Command::Help;
  if (word == "--version") return Command::Version;
  throw UsageError(word.empty() || word[0] == '-' ? "unknown option '" + word + "'"
                                                  : "unknown command '" + word + "'");
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& arguments) {
  Arguments parsed;
  if (arguments.empty()) throw UsageError("a command is needed");
  parsed.command = CommandNamed(arguments[0]);
  if (parsed.command == Command::Help || parsed.command == Command::Version) {
    if (arguments.size() > 1) throw UsageError("'" + arguments[0] + "' takes no arguments");
    return parsed;
  }
  const bool list = parsed.command == Command::List;
  bool inputsOnly = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw UsageError("'" + word + "' needs a file name");
      return arguments[++i];
    };
    if (inputsOnly || word.empty() || word[0] != '-' || word == "-") {
      parsed.inputs.push_back(word);
    } else if (word == "--") {
      inputsOnly = true;
    } else if (word == "--help" || word == "-h") {
      return Arguments{};
    } else if (list && (word == "-o" || word == "--output")) {
      parsed.output = value();
    } else if (!list && word == "--dry-run") {
      parsed.dryRun = true;
    } else if (!list && word == "--backup") {
      parsed.backup = value();
    } else {
      throw UsageError("unknown option '" + word + "' for '" + arguments[0] + "'");
    }
  }
  if (parsed.inputs.empty()) {
    throw UsageError(list ? "'list' needs a path" : "'apply' needs a list file");
  }
  return parsed;
}
