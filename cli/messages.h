// What horodex-cli says. Its own texts are English; a message about a row or a path carries
// the program's own text where there is one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entries/date_sources.h"
#include "entries/stamp.h"

std::string HelpText();
std::string VersionText();

// "horodex-cli: text"
std::string ProgramMessage(const std::string& text);
// "FILE:LINE: message": a line of a list file that cannot be applied.
std::string LineMessage(const std::string& file, uint64_t line, const std::string& message);
// "PATH: message"
std::string PathMessage(const std::string& path, const std::string& message);

// Why apply refuses its --backup FILE.
std::string BackupExistsText(const std::string& file);
std::string BackupIsListText(const std::string& file);
// Why a path's present time cannot go into the backup.
std::string UnkeptTimeText();
// Why no backup can be written in the user's date format: its text for a time reads back
// as another time, or as none.
std::string UnreadableBackupText(const std::string& text);
// What a shift that failed while putting its lists in place had already replaced.
std::string ReplacedListsText(const std::vector<std::string>& lists);

// Why a folder's entries could not be listed.
std::string UnreadableFolderText(uint32_t error);
// Why the rest of a folder's entries could not be listed.
std::string CutShortFolderText(uint32_t error);
// Why a path is left out: its full path cannot be made.
std::string NoFullPathText();
// Why a row's stamp failed, with the system's reason.
std::string StampFailureText(const StampResult& result);

// What a file lacks that its date source gives none: "no date taken", "no date in its name".
std::string UndatedText(DateSource source);
// How many files the date source gave no date, and what became of them.
std::string UndatedCountText(DateSource source, uint64_t count, bool leftOut);
