// Turning collected paths into entry rows of the list.
#include "app/form1.h"
#include "entries/entry_row.h"
#include "ui/bulk_update.h"

void TForm1::AddCollectedRows(ui::ListView& list, CollectedPaths& paths) {
  BulkUpdate bulk(list);
  uint64_t built = 0;
  const RowTime shown = ShownTime();
  for (CollectedPath& entry : paths) {
    Progress(WorkStep::List, built++, paths.size());
    // An unreadable date stops the building here; the rows before it stay.
    ui::ListItem texts = EntryRowOf(std::move(entry), shown);
    const int row = list.Add();
    list.SetCaption(row, texts.caption);
    list.AddSubItem(row, std::move(texts.subItems[0]));
    list.AddSubItem(row, std::move(texts.subItems[1]));
    list.SetListedTime(row, texts.listedTime, texts.listedCaptionDigest);
  }
  // The paths live in the rows now: their list goes before the closing sort.
  CollectedPaths().swap(paths);
}
