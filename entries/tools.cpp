// The Tools menu's date commands: the selected rows take the date their photo was taken,
// the date in their file name, or their own date moved by an offset.
#include "app/form1.h"
#include "core/errors.h"
#include "entries/date_offset.h"
#include "entries/date_parse.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "ui/application.h"
#include "ui/bulk_update.h"
#include "ui/input_box.h"

namespace {

bool FileSourceDate(DateSource source, const ui::ListItem& row, std::string& text,
                    SidecarFolders& sidecars) {
  // A folder has neither a photo's date nor a file name's.
  return EntrySubItem(row, 1) != kFolderKind &&
         SourceDateText(source, EntrySubItem(row, 0), text, sidecars);
}

}  // namespace

void TForm1::SetSelectedDates(WorkStep step, const RowDateText& dateOf) {
  std::vector<int> rows;
  for (int row = ListView1.NextSelected(-1); row >= 0; row = ListView1.NextSelected(row))
    rows.push_back(row);
  if (rows.empty()) return;
  std::vector<int> unchanged;
  {
    LongWork work(*this);
    BulkUpdate bulk(ListView1);
    std::string text;
    size_t done = 0;
    // Esc stops: the rows done keep their new text, the rest keep theirs.
    for (; done < rows.size() && !Progress(step, done, rows.size()); ++done) {
      if (dateOf(ListView1.Item(rows[done]), text)) {
        ListView1.SetCaption(rows[done], text);
      } else {
        unchanged.push_back(rows[done]);
      }
    }
    unchanged.insert(unchanged.end(), rows.begin() + static_cast<std::ptrdiff_t>(done), rows.end());
    // Selected before the closing sort, so that the selection follows its rows there.
    if (unchanged.size() < rows.size()) {
      ListView1.SetSelected(-1, false);
      for (int row : unchanged) ListView1.SetSelected(row, true);
    }
  }
  if (unchanged.empty()) return;
  ui::ShowMessageBox(this,
                     FormatMessageText("%d 行は変更できませんでした。選択したままにしてあります。",
                                       static_cast<long long>(unchanged.size())),
                     "情報", ui::BoxIcon::Information, Left() + Width() / 3, Top() + Height() / 3);
}

void TForm1::DateTaken1Click() {
  SidecarFolders sidecars;
  SetSelectedDates(WorkStep::Taken, [&sidecars](const ui::ListItem& row, std::string& text) {
    return FileSourceDate(DateSource::Exif, row, text, sidecars);
  });
}

void TForm1::NameDate1Click() {
  SidecarFolders sidecars;
  SetSelectedDates(WorkStep::Named, [&sidecars](const ui::ListItem& row, std::string& text) {
    return FileSourceDate(DateSource::Name, row, text, sidecars);
  });
}

void TForm1::ShiftDates1Click() {
  if (ListView1.SelectedCount() == 0) return;
  int64_t seconds = 0;
  std::string offset;
  const bool chosen =
      ui::InputBox(*this, "日時をずらす", "ずらす量 (例: +1h, -2h30m, +1d):", offset,
                   [&seconds](const std::string& typed) -> std::string {
                     if (ReadDateOffset(typed, seconds)) return {};
                     return FormatMessageText("ずらす量 '%s' が正しくありません.", typed);
                   });
  if (!chosen) return;
  SetSelectedDates(WorkStep::Shifted, [seconds](const ui::ListItem& row, std::string& text) {
    double value = 0;
    return TryParseDateText(row.caption, value) && ShiftDateText(row.caption, seconds, text);
  });
}
