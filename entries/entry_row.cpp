#include "entries/entry_row.h"

#include "core/errors.h"
#include "entries/date_format.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"

const std::string& EntrySubItem(const ui::ListItem& row, int index) {
  if (index < 0 || index >= static_cast<int>(row.subItems.size())) throw ListIndexError(index);
  return row.subItems[index];
}

ui::ListItem EntryRowOf(CollectedPath&& entry, RowTime shown) {
  std::string kind;
  platform::FileTime time;
  bool read;
  if (entry.attributes & platform::kAttrDirectory) {
    kind = kFolderKind;
    read = GetFolderDate(entry.path, time, shown);
  } else {
    kind = PathKind(entry.path);
    time = TimeOf(entry.searchTimes, shown);
    read = entry.hasSearchTimes || FileLastWriteDate(entry.path, time, shown);
  }
  if (!read) throw EConvertError("日付に変換できない値が渡されました");
  std::string text = ListedDateText(time);
  const uint64_t digest = CaptionDigest(text);
  return {std::move(text), {std::move(entry.path), std::move(kind)}, time.ticks, digest};
}

uint64_t CaptionDigest(const std::string& caption) {
  // FNV-1a: an edit that keeps the digest would have to hit one value in 2^64.
  uint64_t digest = 0xcbf29ce484222325ull;
  for (const char byte : caption) {
    digest ^= static_cast<unsigned char>(byte);
    digest *= 0x100000001b3ull;
  }
  digest >>= 1;  // a row keeps 63 bits
  return digest == 0 ? 1 : digest;
}

std::optional<platform::FileTime> ListedTime(const ui::ListItem& row) {
  if (RowChanged(row)) return std::nullopt;
  return platform::FileTime{row.listedTime};
}

bool RowChanged(const ui::ListItem& row) {
  return row.listedCaptionDigest == 0 || row.listedCaptionDigest != CaptionDigest(row.caption);
}
