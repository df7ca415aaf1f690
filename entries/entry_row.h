// The parts of an entry row: caption = date text, sub-item 0 = path, sub-item 1 = kind.
#pragma once

#include <optional>
#include <string>

#include "entries/collected_paths.h"
#include "platform/files.h"
#include "ui/list_item.h"

// A sub-item of a row; a row loaded from a short list-file line may lack its path or kind,
// which raises the list error with the missing index.
const std::string& EntrySubItem(const ui::ListItem& row, int index);

// The row of a collected path: the date text of its last-write time, or of the time `shown`
// (a folder's read through a handle, a file's as its search found it or by name), the path,
// which moves into the row, and the kind ("フォルダ" or the extension); the row remembers that
// exact time. A date that cannot be read raises EConvertError "日付に変換できない値が渡されま
// した", and the path stays where it was.
ui::ListItem EntryRowOf(CollectedPath&& entry, RowTime shown = RowTime::LastWrite);

// The digest a row keeps of the caption it was listed with: 63 bits, never 0.
uint64_t CaptionDigest(const std::string& caption);
// The exact time the row was listed with (the time it shows), while its date text is still
// the one made from it; nullopt for a row loaded from a list file or whose date text was
// changed.
std::optional<platform::FileTime> ListedTime(const ui::ListItem& row);
// A row that Update would change: loaded from a list file, or its date text changed since it
// was listed. The window marks it.
bool RowChanged(const ui::ListItem& row);
