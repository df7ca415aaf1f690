// Which commands apply, and the status line.
#include "app/errors.h"
#include "app/form1.h"

void TForm1::UpdateCommands() {
  const bool hasRows = ListView1.Count() > 0;
  for (ui::MenuItem* item : {Save1, SelectAll1, SelectAll2, Sort1, Rewrite1}) {
    item->SetEnabled(hasRows);
  }
  ToolButton2->SetEnabled(hasRows);
  ToolButton8->SetEnabled(hasRows);

  const bool hasSelection = ListView1.SelectedCount() > 0;
  for (ui::MenuItem* item : {Edit2, Edit3, Delete1, Delete2, Replace1, Replace2}) {
    item->SetEnabled(hasSelection);
  }
  ToolButton4->SetEnabled(hasSelection);
  ToolButton6->SetEnabled(hasSelection);

  for (ui::MenuItem* item : {DateTaken1, NameDate1, ShiftDates1}) item->SetEnabled(hasSelection);
  UndoUpdate1->SetEnabled(UpdateToUndo());
}

void TForm1::UpdateStatusText() {
  StatusBar1.SetSimpleText(FormatMessageText("%d 個のオブジェクト", ListView1.Count()));
}

void TForm1::ListView1Change(ui::ListView&, int, ui::ItemChange) {
  UpdateStatusText();
  UpdateCommands();
}

void TForm1::ShowToolBar1Click() {
  ShowToolBar1->SetChecked(!ShowToolBar1->Checked());
  ToolBar1.SetVisible(ShowToolBar1->Checked());
}

void TForm1::ShowStatusBar1Click() {
  ShowStatusBar1->SetChecked(!ShowStatusBar1->Checked());
  StatusBar1.SetVisible(ShowStatusBar1->Checked());
}

// Only remembered: the window's placement is restored from it at the next start.
void TForm1::ShowWindow1Click() { ShowWindow1->SetChecked(!ShowWindow1->Checked()); }
