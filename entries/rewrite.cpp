// The Update command: every row's date becomes its path's creation, last-access and
// last-write time.
#include "app/form1.h"
#include "entries/stamp_run.h"
#include "ui/application.h"

void TForm1::Rewrite1Click() {
  if (ListView1.Count() == 0) return;
  int failures = 0;
  {
    LongWork work(*this);
    const WorkProgress progress = Watcher();
    StampRun run(ListView1.Count(), progress);
    // A text that is no date ends the command; the rows before it are stamped all the same.
    for (int i = 0; i < ListView1.Count(); ++i) run.Add(i, ListView1.Item(i));
    for (const StampResult& result : run.Finish()) failures += result.Failed();
  }
  const int x = Left() + Width() / 3, y = Top() + Height() / 3;
  if (failures > 0) {
    ui::ShowMessageBox(this, "FAILURE", "エラー", ui::BoxIcon::Error, x, y);
  } else {
    ui::ShowMessageBox(this, "SUCCESS", "情報", ui::BoxIcon::Information, x, y);
  }
}
