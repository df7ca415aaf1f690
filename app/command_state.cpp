// Which commands apply, and the status line.
#include "app/form1.h"
#include "core/errors.h"

void TForm1::UpdateCommands() {
  const bool hasRows = ListView1.Count() > 0;
  const bool hasSelection = ListView1.SelectedCount() > 0;
  auto applies = [&](const Command& command) {
    switch (command.enabling) {
      case Enabling::Always:
        break;
      case Enabling::WithRows:
        return hasRows;
      case Enabling::WithSelection:
        return hasSelection;
      case Enabling::Own:
        return (this->*command.applies)();
    }
    return true;
  };
  // Items of commands that always apply are left alone: nothing disables them.
  for (auto places : {CommandTable::MainMenu(), CommandTable::ContextMenu()}) {
    for (const MenuPlace& place : places) {
      if (place.command && place.command->enabling != Enabling::Always) {
        (this->*place.item)->SetEnabled(applies(*place.command));
      }
    }
  }
  for (const ButtonPlace& place : CommandTable::ToolBar()) {
    if (place.command && place.command->enabling != Enabling::Always) {
      (this->*place.button)->SetEnabled(applies(*place.command));
    }
  }
}

void TForm1::UpdateStatusText() {
  StatusBar1.SetSimpleText(FormatMessageText("%d 個のオブジェクト", ListView1.Count()));
  const int marked = ListView1.MarkedCount();
  StatusBar1.SetSecondText(marked > 0 ? FormatMessageText("変更 %d", marked) : std::string());
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
