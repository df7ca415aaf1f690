#include "cli/messages.h"

#include "platform/console.h"

std::string HelpText() {
  return "Usage: horodex-cli list PATH... [-o FILE]\n"
         "       horodex-cli apply LIST... [--dry-run] [--backup FILE]\n"
         "\n"
         "list    Writes a list file of every file and folder in and beneath the PATHs: the\n"
         "        date and time each was last written, its path and its kind, ordered by date\n"
         "        as the window orders a drop. To standard output, or to FILE (-o), which is\n"
         "        replaced only once the new list is complete.\n"
         "apply   Reads every row of the LISTs, and applies nothing when a row's date cannot\n"
         "        be read or a line lacks a field: each such line is reported as FILE:LINE.\n"
         "        Otherwise sets the creation, last-access and last-write times of every\n"
         "        row's path to its date and reports each row that fails.\n"
         "        --dry-run      check the rows and say how many would be applied\n"
         "        --backup FILE  first write the present times of the paths as a list file;\n"
         "                       applying FILE undoes the run (to the second)\n"
         "\n"
         "Dates are written and read in the date and time format of the user's locale;\n"
         "where the locale has none (C, POSIX), as yyyy/MM/dd H:mm:ss.\n"
         "\n"
         "Exit status: 0 all done, 1 some paths or rows failed (the rest was done),\n"
         "2 bad input or usage (nothing was done).\n";
}

std::string VersionText() { return "horodex-cli " HORODEX_VERSION "\n"; }

std::string ProgramMessage(const std::string& text) { return "horodex-cli: " + text; }

std::string LineMessage(const std::string& file, uint64_t line, const std::string& message) {
  return file + ":" + std::to_string(line) + ": " + message;
}

std::string PathMessage(const std::string& path, const std::string& message) {
  return path + ": " + message;
}

std::string UnreadableFolderText(uint32_t error) {
  return "cannot list the folder: " + platform::SystemErrorText(error);
}

std::string StampFailureText(const StampResult& result) {
  using Outcome = StampResult::Outcome;
  switch (result.outcome) {
    case Outcome::NoFileTime:
      return "no file time holds this date";
    case Outcome::NotOpened:
      return "cannot open: " + platform::SystemErrorText(result.error);
    case Outcome::NotSet:
      return "cannot set its times: " + platform::SystemErrorText(result.error);
    case Outcome::Stamped:
      break;
  }
  return {};
}
