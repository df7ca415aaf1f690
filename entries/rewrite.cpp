// The Update command: every row's date becomes its path's creation, last-access and
// last-write time, or those of them chosen under 更新する日時; and Update undone.
#include "app/form1.h"
#include "entries/entry_row.h"
#include "entries/file_dates.h"
#include "entries/stamp_run.h"
#include "ui/application.h"

namespace {

// Runs its work on every way out of a scope, errors included.
class AtExit {
 public:
  explicit AtExit(std::function<void()> work) : work_(std::move(work)) {}
  ~AtExit() { work_(); }
  AtExit(const AtExit&) = delete;
  AtExit& operator=(const AtExit&) = delete;

 private:
  std::function<void()> work_;
};

// The outcome of the whole run, in a box placed a third into the window.
void ShowOutcome(TForm1& form, bool failed) {
  const int x = form.Left() + form.Width() / 3, y = form.Top() + form.Height() / 3;
  if (failed) {
    ui::ShowMessageBox(&form, "FAILURE", "エラー", ui::BoxIcon::Error, x, y);
  } else {
    ui::ShowMessageBox(&form, "SUCCESS", "情報", ui::BoxIcon::Information, x, y);
  }
}

}  // namespace

void TForm1::Rewrite1Click() {
  if (ListView1.Count() == 0) return;
  // With 変更した行だけ, the rows that Update would not change are not opened at all: they
  // keep all three times exactly.
  std::vector<int> rows;
  const bool onlyChanged = UpdateChanged1->Checked();
  for (int i = 0; i < ListView1.Count(); ++i) {
    if (!onlyChanged || ListView1.Item(i).marked) rows.push_back(i);
  }
  std::vector<int> failed;
  if (!rows.empty()) {
    LongWork work(*this);
    const StampTimes times = UpdateTimes();
    // Begun anew, and kept for what was stamped when a date text ends the run.
    lastUpdate_.Begin(times, rows.size());
    const AtExit finish([this] {
      lastUpdate_.Finish();
      UpdateCommands();
    });
    const WorkProgress progress = Watcher();
    StampRun run(rows.size(), progress, times, true);
    // A text that is no date ends the command; the rows before it are stamped all the same,
    // and what they had before is kept for the undo.
    size_t added = 0;
    std::exception_ptr stop;
    try {
      for (; added < rows.size(); ++added) run.Add(added, ListView1.Item(rows[added]));
    } catch (...) {
      stop = std::current_exception();
    }
    const std::vector<StampResult>& results = run.Finish();
    for (size_t i = 0; i < added; ++i) {
      if (results[i].Failed()) {
        failed.push_back(rows[i]);
        continue;
      }
      const ui::ListItem& row = ListView1.Item(rows[i]);
      lastUpdate_.Add(EntrySubItem(row, 0), EntrySubItem(row, 1) == kFolderKind, results[i].before);
    }
    if (stop) std::rethrow_exception(stop);
  }
  // The rows do not move while Update runs: they are where they failed.
  if (!failed.empty()) SelectRows(failed);
  ShowOutcome(*this, !failed.empty());
}

StampTimes TForm1::UpdateTimes() const {
  return {UpdateCreation1->Checked(), UpdateAccess1->Checked(), UpdateWrite1->Checked()};
}

void TForm1::ToggleUpdateTime(ui::MenuItem& item) {
  const StampTimes times = UpdateTimes();
  const int checked = times.creation + times.lastAccess + times.lastWrite;
  // Update always sets at least one of the times.
  if (item.Checked() && checked == 1) return;
  item.SetChecked(!item.Checked());
}

void TForm1::UpdateCreation1Click() { ToggleUpdateTime(*UpdateCreation1); }
void TForm1::UpdateAccess1Click() { ToggleUpdateTime(*UpdateAccess1); }
void TForm1::UpdateWrite1Click() { ToggleUpdateTime(*UpdateWrite1); }
void TForm1::UpdateChanged1Click() { UpdateChanged1->SetChecked(!UpdateChanged1->Checked()); }

void TForm1::UndoUpdate1Click() {
  if (lastUpdate_.Empty()) return;
  bool failed = false;
  {
    LongWork work(*this);
    const WorkProgress watcher = Watcher();
    const WorkProgress progress = [&watcher](WorkStep, uint64_t done, uint64_t total) {
      return watcher(WorkStep::Undo, done, total);
    };
    const size_t count = lastUpdate_.Size();
    StampRun run(count, progress);
    // From the last path stamped to the first: a path that the Update stamped twice ends
    // with what it had before the first time.
    for (size_t i = 0; i < count; ++i) {
      UpdateRecord::Entry entry = lastUpdate_.At(count - 1 - i);
      run.Add(i, StampJob{std::move(entry.path), entry.folder, entry.before, lastUpdate_.Times(),
                          false});
    }
    for (const StampResult& result : run.Finish()) failed |= result.Failed();
    lastUpdate_.Clear();
    UpdateCommands();
  }
  ShowOutcome(*this, failed);
}
