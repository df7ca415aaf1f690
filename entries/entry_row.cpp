#include "entries/entry_row.h"

#include "core/errors.h"
#include "entries/date_format.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

const std::string& EntrySubItem(const ui::ListItem& row, int index) {
  if (index < 0 || index >= static_cast<int>(row.subItems.size())) throw ListIndexError(index);
  return row.subItems[index];
}

ui::ListItem EntryRowOf(CollectedPath&& entry) {
  std::string kind;
  platform::FileTime lastWrite;
  bool read;
  if (entry.attributes & platform::kAttrDirectory) {
    kind = kFolderKind;
    read = GetFolderDate(entry.path, lastWrite);
  } else {
    kind = PathKind(entry.path);
    lastWrite = entry.searchTime;
    read = entry.hasSearchTime || FileLastWriteDate(entry.path, lastWrite);
  }
  if (!read) throw EConvertError("日付に変換できない値が渡されました");
  std::string text = ListedDateText(lastWrite);
  const uint64_t digest = CaptionDigest(text);
  return {std::move(text), {std::move(entry.path), std::move(kind)}, lastWrite.ticks, digest};
}

uint64_t CaptionDigest(const std::string& caption) {
  // FNV-1a: an edit that keeps the digest would have to hit one value in 2^64.
  uint64_t digest = 0xcbf29ce484222325ull;
  for (const char byte : caption) {
    digest ^= static_cast<unsigned char>(byte);
    digest *= 0x100000001b3ull;
  }
  return digest == 0 ? 1 : digest;
}

std::optional<platform::FileTime> ListedLastWrite(const ui::ListItem& row) {
  if (row.listedCaptionDigest == 0 || row.listedCaptionDigest != CaptionDigest(row.caption))
    return std::nullopt;
  return platform::FileTime{row.listedTime};
}
