#include "cli/messages.h"

#include "platform/console.h"

std::string HelpText() {
  return "Usage: horodex-cli list PATH... [-o FILE] [--date-from exif|name [--only-dated]\n"
         "                        [--verbose]]\n"
         "       horodex-cli apply LIST... [--dry-run] [--backup FILE]\n"
         "       horodex-cli shift OFFSET LIST... [-o FILE]\n"
         "\n"
         "list    Writes a list file of every file and folder in and beneath the PATHs: the\n"
         "        date and time each was last written, its path and its kind, ordered by date\n"
         "        as the window orders a drop. To standard output, or to FILE (-o), which is\n"
         "        replaced only once the new list is complete.\n"
         "        --date-from exif  a file's date is the date its photo was taken (EXIF of\n"
         "                          JPEG, TIFF, DNG, CR2, NEF, ARW), in local time\n"
         "        --date-from name  a file's date is the date and time in its name:\n"
         "                          IMG_20250714_150758.jpg, 2025-07-14 15.07.58.jpg\n"
         "        --only-dated      leave out the files without such a date\n"
         "        --verbose         name each file without such a date\n"
         "        Folders, and files without such a date, keep their last-write date;\n"
         "        how many files had none is said on standard error.\n"
         "apply   Reads every row of the LISTs, and applies nothing when a row's date cannot\n"
         "        be read or a line lacks a field: each such line is reported as FILE:LINE.\n"
         "        Otherwise sets the creation, last-access and last-write times of every\n"
         "        row's path to its date and reports each row that fails.\n"
         "        --dry-run      check the rows and say how many would be applied\n"
         "        --backup FILE  first write the present times of the paths as a list file;\n"
         "                       applying FILE undoes the run (to the second)\n"
         "shift   Moves the date of every row of the LISTs by OFFSET (+1d, -2h30m, +90s,\n"
         "        -1d2h: days, hours, minutes, seconds). Writes nothing when a row's date\n"
         "        cannot be read or would leave the range of file times (each such line is\n"
         "        reported as FILE:LINE); otherwise replaces each LIST as Save does, or\n"
         "        writes all the rows to FILE (-o).\n"
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

std::string CutShortFolderText(uint32_t error) {
  return "cannot list the folder to its end: " + platform::SystemErrorText(error);
}

std::string UnnamableText() {
  return "left out: its name has characters that the code page cannot hold";
}

std::string NoFullPathText() { return "left out: its full path cannot be made"; }

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

std::string UndatedText(DateSource source) {
  return source == DateSource::Exif ? "no EXIF date" : "no date in its name";
}

std::string UndatedCountText(DateSource source, uint64_t count, bool leftOut) {
  return (source == DateSource::Exif ? "files without an EXIF date: "
                                     : "files without a date in their name: ") +
         std::to_string(count) + (leftOut ? ", left out" : ", listed with their last-write date");
}
