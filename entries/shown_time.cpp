// 表示 > 表示する日時: which of its path's times a row shows. Rows whose date text is still the
// one they were listed with read the chosen time anew; rows the user changed keep their texts.
#include "app/form1.h"
#include "core/errors.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/row_times.h"
#include "ui/application.h"
#include "ui/bulk_update.h"

namespace {

// The date column's caption: the chosen item's name.
const char* ColumnCaption(RowTime time) {
  switch (time) {
    case RowTime::Creation:
      return "作成日時";
    case RowTime::LastAccess:
      return "アクセス日時";
    case RowTime::LastWrite:
      break;
  }
  return "更新日時";
}

}  // namespace

RowTime TForm1::ShownTime() const {
  if (ShowCreationTime1->Checked()) return RowTime::Creation;
  if (ShowAccessTime1->Checked()) return RowTime::LastAccess;
  return RowTime::LastWrite;
}

void TForm1::MarkShownTime(RowTime time) {
  ShowWriteTime1->SetChecked(time == RowTime::LastWrite);
  ShowCreationTime1->SetChecked(time == RowTime::Creation);
  ShowAccessTime1->SetChecked(time == RowTime::LastAccess);
  ListView1.SetColumnCaption(0, ColumnCaption(time));
}

void TForm1::ShowWriteTime1Click() { ShowRowTime(RowTime::LastWrite); }
void TForm1::ShowCreationTime1Click() { ShowRowTime(RowTime::Creation); }
void TForm1::ShowAccessTime1Click() { ShowRowTime(RowTime::LastAccess); }

void TForm1::ShowRowTime(RowTime time) {
  if (time == ShownTime()) return;
  // The paths are read where the rows hold them: a long work takes no command that could
  // change a row, and a copy of every path would cost as much memory as the rows' own.
  std::vector<int> rows;
  std::vector<RowPath> read;
  for (int i = 0; i < ListView1.Count(); ++i) {
    const ui::ListItem& row = ListView1.Item(i);
    if (RowChanged(row) || row.subItems.size() < 2) continue;
    rows.push_back(i);
    read.push_back({&row.subItems[0], row.subItems[1] == kFolderKind});
  }
  std::vector<int> unread;
  {
    LongWork work(*this);
    std::vector<std::optional<platform::FileTime>> times;
    // Esc leaves every row, and the choice, as they were.
    if (!ReadRowTimes(read, time, times, Watcher())) return;
    BulkUpdate bulk(ListView1);
    std::string text;
    for (size_t k = 0; k < rows.size(); ++k) {
      if (times[k] && TryListedDateText(*times[k], text)) {
        ListView1.SetCaption(rows[k], text);
        ListView1.SetListedTime(rows[k], times[k]->ticks, CaptionDigest(text));
      } else {
        unread.push_back(rows[k]);
      }
    }
    // Selected before the closing sort, so that the selection follows its rows there.
    if (!unread.empty()) {
      ListView1.SetSelected(-1, false);
      for (int row : unread) ListView1.SetSelected(row, true);
    }
    MarkShownTime(time);
  }
  if (unread.empty()) return;
  ui::ShowMessageBox(this,
                     FormatMessageText("%d 行は日時を読めませんでした。その行を選択してあります。",
                                       static_cast<long long>(unread.size())),
                     "情報", ui::BoxIcon::Information, Left() + Width() / 3, Top() + Height() / 3);
}
