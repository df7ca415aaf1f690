#include "cli/messages.h"

#include "platform/console.h"

std::string HelpText() {
  return "Usage: horodex-cli list PATH... [-o FILE] [--time c|a|w]\n"
         "                        [--date-from exif|name [--only-dated] [--verbose]]\n"
         "       horodex-cli apply LIST... [--dry-run] [--backup FILE [--force-backup]]\n"
         "                                 [--times c,a,w]\n"
         "       horodex-cli shift OFFSET LIST... [-o FILE]\n"
         "\n"
         "list    Writes a list file of every file and folder in and beneath the PATHs: the\n"
         "        date and time each was last written, its path and its kind, ordered by date\n"
         "        as the window orders a drop. To standard output, or to FILE (-o), which is\n"
         "        replaced only once the new list is complete.\n"
         "        --time c|a|w      list the creation (c), last-access (a) or last-write\n"
         "                          (w, the default) time instead; applying the list with\n"
         "                          --times copies that time to the others\n"
         "        --date-from exif  a file's date is the date its photo or video was taken,\n"
         "                          in local time: first that of a sidecar of NAME.EXT,\n"
         "            NAME.EXT.xmp, NAME.xmp              XMP: exif:DateTimeOriginal, else\n"
         "                                                photoshop:DateCreated, else\n"
         "                                                xmp:CreateDate\n"
         "            NAME.EXT.json,                      Google Takeout: photoTakenTime,\n"
         "            NAME.EXT.supplemental-metadata.json else creationTime (UTC)\n"
         "              and that cut short (...supplemental-metad.json, ...s.json,\n"
         "              a long name cut to 51 characters), NAME.json\n"
         "            NAME(1).EXT: NAME.EXT(1).json, NAME.EXT.supplemental-metadata(1).json\n"
         "            NAME-edited.EXT (-bearbeitet and other languages): those of NAME.EXT\n"
         "                          (names in any case); else the EXIF date of JPEG, TIFF,\n"
         "                          DNG, CR2, NEF, ARW, PEF, SRW, RW2, ORF, RAF, MRW, HEIC,\n"
         "                          HEIF, AVIF, WebP and PNG (else PNG's Creation Time), the\n"
         "                          time stamp of CRW; the creation date of MOV, MP4, M4V and\n"
         "                          3GP (com.apple.quicktime.creationdate, else the movie\n"
         "                          header's time, which is UTC), AVI (IDIT, else ICRD),\n"
         "                          MKV and WebM (DateUTC), WMV and ASF (UTC), MTS and M2TS\n"
         "                          (AVCHD: the MDPM date in the first 4 MiB)\n"
         "        --date-from name  a file's date is the date and time in its name, in\n"
         "                          local time unless said:\n"
         "            IMG_20250714_150758.jpg, VID_20250714-150758_1.mp4,\n"
         "            Screenshot_20240105-101112.png      yyyyMMdd_HHmmss, yyyyMMdd-HHmmss\n"
         "            PXL_20250714_150758123.jpg          the same, in UTC\n"
         "            2025-07-14 15.07.58.jpg,\n"
         "            Screenshot_2025-07-14_15-07-58.png  yyyy-MM-dd HH.mm.ss, ..._HH-mm-ss\n"
         "            スクリーンショット 2024-01-05 101112.png,\n"
         "            signal-2024-01-05-101112.jpg        yyyy-MM-dd HHmmss, ...-HHmmss\n"
         "            Screenshot 2024-01-05 at 10.11.12.png,\n"
         "            ... at 1.11.12 PM.png               yyyy-MM-dd at H.mm.ss [AM|PM]\n"
         "            IMG-20230115-WA0003.jpg,\n"
         "            VID-20230115-WA0003.mp4             yyyyMMdd-WA: the day at 0:00:00\n"
         "            2016_05_20_19_53_18.jpg             yyyy_MM_dd_HH_mm_ss\n"
         "            IMG_1_BURST20160520195318.jpg,\n"
         "            201801261147521000.jpg              yyyyMMddHHmmss after BURST or first\n"
         "            photo_2021-03-05_12-34-56.jpg,\n"
         "            WhatsApp Image 2020-01-15 at 10.20.30.jpeg,\n"
         "            Screenshot_2019-04-15-14-23-43-560_com.app.jpg,\n"
         "            20200115_102030(0).jpg              the forms above\n"
         "            20190131_123456789_iOS.jpg          yyyyMMdd_HHmmssSSS_iOS, in UTC\n"
         "            FB_IMG_1496146656055.jpg            milliseconds since 1970, in UTC\n"
         "                          a date before 1990 or after tomorrow is none\n"
         "        --only-dated      leave out the files without such a date\n"
         "        --verbose         name each file without such a date\n"
         "        Folders, and files without such a date, keep their date of --time;\n"
         "        how many files had none is said on standard error.\n"
         "apply   Reads every row of the LISTs, and applies nothing when a row's date cannot\n"
         "        be read or a line lacks a field: each such line is reported as FILE:LINE.\n"
         "        Otherwise sets the creation, last-access and last-write times of every\n"
         "        row's path to its date and reports each row that fails.\n"
         "        --dry-run      check the rows and say how many would be applied\n"
         "        --backup FILE  first write the present times of the paths as a list file;\n"
         "                       applying FILE undoes the run (to the second). FILE must\n"
         "                       not exist, and is never one of the LISTs\n"
         "        --force-backup the backup may replace an existing FILE\n"
         "        --times c,a,w  set only these of the times: c creation, a last access,\n"
         "                       w last write (any of them; all three by default)\n"
         "shift   Moves the date of every row of the LISTs by OFFSET (+1d, -2h30m, +90s,\n"
         "        -1d2h: days, hours, minutes, seconds). Writes nothing when a row's date\n"
         "        cannot be read or would leave the range of file times (each such line is\n"
         "        reported as FILE:LINE); otherwise writes every new LIST first and then\n"
         "        puts them all in place, or writes all the rows to FILE (-o).\n"
         "\n"
         "Dates are written and read in the date and time format of the user's locale;\n"
         "where the locale has none (C, POSIX), as yyyy/MM/dd H:mm:ss.\n"
         "\n"
         "Exit status: 0 all done, 1 some paths or rows failed (the rest was done),\n"
         "2 bad input or usage (nothing was done).\n";
}

std::string VersionText() { return "horodex-cli " HORODEX_VERSION "\n"; }

std::string ProgramMessage(const std::string& text) { return "horodex-cli: " + text; }

std::string BackupExistsText(const std::string& file) {
  return "the backup file " + file + " exists (--force-backup replaces it); nothing applied";
}

std::string BackupIsListText(const std::string& file) {
  return "the backup file " + file + " is one of the lists to apply; nothing applied";
}

std::string UnkeptTimeText() {
  return "its time lies after 9999 and cannot be kept in the backup; nothing applied";
}

std::string UnreadableBackupText(const std::string& text) {
  return "its time, written \"" + text +
         "\" in this locale's date format, would not read back; no backup written, nothing "
         "applied";
}

std::string ReplacedListsText(const std::vector<std::string>& lists) {
  std::string text = "lists already replaced:";
  for (const std::string& list : lists) text += " " + list;
  return lists.empty() ? "no list was replaced" : text;
}

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

std::string NoFullPathText() { return "left out: its full path cannot be made"; }

std::string StampFailureText(const StampResult& result) {
  using Outcome = StampResult::Outcome;
  switch (result.outcome) {
    case Outcome::NoFileTime:
      return "no file time holds this date";
    case Outcome::NotOpened:
      return "cannot open: " + platform::SystemErrorText(result.error);
    case Outcome::NotRead:
      return "cannot read its times: " + platform::SystemErrorText(result.error);
    case Outcome::NotSet:
      return "cannot set its times: " + platform::SystemErrorText(result.error);
    case Outcome::Stamped:
      break;
  }
  return {};
}

std::string UndatedText(DateSource source) {
  return source == DateSource::Exif ? "no date taken" : "no date in its name";
}

std::string UndatedCountText(DateSource source, uint64_t count, bool leftOut) {
  return (source == DateSource::Exif ? "files without a date taken: "
                                     : "files without a date in their name: ") +
         std::to_string(count) + (leftOut ? ", left out" : ", listed with their last-write date");
}
