// The Update command: every row's date becomes its path's creation, last-access and
// last-write time.
#include "app/form1.h"
#include "entries/stamp.h"
#include "ui/application.h"

void TForm1::Rewrite1Click() {
  if (ListView1.Count() == 0) return;
  int failures = 0;
  {
    LongWork work(*this);
    for (int i = 0; i < ListView1.Count(); ++i) {
      Progress(WorkStep::Update, i, ListView1.Count());
      // A text that is no date ends the command; the rows before it stay stamped.
      if (StampRow(ListView1.Item(i)).Failed()) ++failures;
    }
  }
  const int x = Left() + Width() / 3, y = Top() + Height() / 3;
  if (failures > 0) {
    ui::ShowMessageBox(this, "FAILURE", "エラー", ui::BoxIcon::Error, x, y);
  } else {
    ui::ShowMessageBox(this, "SUCCESS", "情報", ui::BoxIcon::Information, x, y);
  }
}
