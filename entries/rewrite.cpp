// The Update command: every row's date becomes its path's creation, last-access and
// last-write time.
#include "app/form1.h"
#include "entries/date_parse.h"
#include "entries/date_value.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/open_mode.h"
#include "platform/time.h"
#include "ui/application.h"

platform::FileHandle TForm1::OpenFolder(const std::string& path, uint8_t mode) {
  return OpenWithBackupSemantics(path, mode);
}

void TForm1::Rewrite1Click() {
  if (ListView1.Count() == 0) return;
  int failures = 0;
  {
    LongWork work(*this);
    for (int i = 0; i < ListView1.Count(); ++i) {
      Progress(WorkStep::Update, i, ListView1.Count());
      const ui::ListItem& row = ListView1.Item(i);
      const double value = ParseDateText(row.caption);  // a text that is no date ends the command
      const platform::SystemTime system = ValueToSystemTime(value);
      // A date that no file time can hold (before 1601) is one failure; its path stays shut.
      platform::FileTime local, utc;
      if (!platform::SystemTimeToFileTime(system, local) ||
          !platform::LocalFileTimeToFileTime(local, utc)) {
        ++failures;
        continue;
      }
      const std::string& path = EntrySubItem(row, 0);
      const std::string& kind = EntrySubItem(row, 1);
      platform::FileHandle handle = kind == kFolderKind ? OpenFolder(path, kOpenWriteShareRead)
                                                        : OpenForWrite(path, kOpenWriteShareRead);
      if (!handle.SetTimes(&utc, &utc, &utc)) ++failures;
    }
  }
  const int x = Left() + Width() / 3, y = Top() + Height() / 3;
  if (failures > 0) {
    ui::ShowMessageBox(this, "FAILURE", "エラー", ui::BoxIcon::Error, x, y);
  } else {
    ui::ShowMessageBox(this, "SUCCESS", "情報", ui::BoxIcon::Information, x, y);
  }
}
