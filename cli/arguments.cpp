#include "cli/arguments.h"

#include <algorithm>

#include "cli/date_offset.h"

namespace {

using Command = Arguments::Command;

Command CommandNamed(const std::string& word) {
  if (word == "list") return Command::List;
  if (word == "apply") return Command::Apply;
  if (word == "shift") return Command::Shift;
  if (word == "--help" || word == "-h") return Command::Help;
  if (word == "--version") return Command::Version;
  throw UsageError(word.empty() || word[0] == '-' ? "unknown option '" + word + "'"
                                                  : "unknown command '" + word + "'");
}

DateSource SourceNamed(const std::string& word) {
  if (word == "exif") return DateSource::Exif;
  if (word == "name") return DateSource::Name;
  throw UsageError("'--date-from' takes exif or name, not '" + word + "'");
}

RowTime TimeNamed(const std::string& word) {
  if (word == "c") return RowTime::Creation;
  if (word == "a") return RowTime::LastAccess;
  if (word == "w") return RowTime::LastWrite;
  throw UsageError("'--time' takes c, a or w, not '" + word + "'");
}

// "c,a,w" or any of them, each at most once: creation, last access, last write.
StampTimes TimesNamed(const std::string& word) {
  StampTimes times{false, false, false};
  const UsageError bad("'--times' takes c, a and w joined by commas, not '" + word + "'");
  size_t at = 0;
  do {
    const size_t end = std::min(word.find(',', at), word.size());
    const std::string letter = word.substr(at, end - at);
    bool* chosen = letter == "c"   ? &times.creation
                   : letter == "a" ? &times.lastAccess
                   : letter == "w" ? &times.lastWrite
                                   : nullptr;
    if (!chosen || *chosen) throw bad;
    *chosen = true;
    at = end + 1;
  } while (at <= word.size());
  return times;
}

// The words of the command's options and inputs into `parsed`.
void ReadWords(const std::vector<std::string>& arguments, Arguments& parsed) {
  const Command command = parsed.command;
  const bool list = command == Command::List, apply = command == Command::Apply;
  bool inputsOnly = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    auto value = [&](const char* what) -> const std::string& {
      if (i + 1 >= arguments.size()) throw UsageError("'" + word + "' needs " + what);
      return arguments[++i];
    };
    const bool negativeOffset = command == Command::Shift && word.size() > 1 && word[0] == '-' &&
                                word[1] >= '0' && word[1] <= '9';
    if (inputsOnly || word.empty() || word[0] != '-' || word == "-" || negativeOffset) {
      parsed.inputs.push_back(word);
    } else if (word == "--") {
      inputsOnly = true;
    } else if (word == "--help" || word == "-h") {
      parsed = Arguments{};
      return;
    } else if (!apply && (word == "-o" || word == "--output")) {
      parsed.output = value("a file name");
    } else if (apply && word == "--dry-run") {
      parsed.dryRun = true;
    } else if (apply && word == "--backup") {
      parsed.backup = value("a file name");
    } else if (apply && word == "--times") {
      parsed.times = TimesNamed(value("the times to set"));
    } else if (apply && word == "--force-backup") {
      parsed.forceBackup = true;
    } else if (list && word == "--date-from") {
      parsed.dateFrom = SourceNamed(value("exif or name"));
    } else if (list && word == "--time") {
      parsed.time = TimeNamed(value("c, a or w"));
    } else if (list && word == "--only-dated") {
      parsed.onlyDated = true;
    } else if (list && word == "--verbose") {
      parsed.verbose = true;
    } else {
      throw UsageError("unknown option '" + word + "' for '" + arguments[0] + "'");
    }
  }
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
  ReadWords(arguments, parsed);
  switch (parsed.command) {
    case Command::List:
      if (parsed.inputs.empty()) throw UsageError("'list' needs a path");
      if (parsed.dateFrom == DateSource::LastWrite && (parsed.onlyDated || parsed.verbose)) {
        throw UsageError("'--only-dated' and '--verbose' go with '--date-from'");
      }
      break;
    case Command::Apply:
      if (parsed.inputs.empty()) throw UsageError("'apply' needs a list file");
      break;
    case Command::Shift:
      if (parsed.inputs.size() < 2) throw UsageError("'shift' needs an offset and a list file");
      parsed.shiftSeconds = ParseDateOffset(parsed.inputs.front());
      parsed.inputs.erase(parsed.inputs.begin());
      break;
    default:
      break;
  }
  return parsed;
}
