// Help and About.
#include "app/form1.h"
#include "ui/application.h"

void TForm1::Contents1Click() {
  platform::ShellOpen(Handle(), "open", "readme.html", "", AppDir, platform::kSwShow);
}

void TForm1::About1Click() {
  const std::string text = "Horodex2.02\r\n\r\nCopyright (C) 2026 Horodex の作者";
  ui::ShowMessageBox(this, text, "情報", ui::BoxIcon::Information, Left() + Width() / 4,
                     Top() + Height() / 3);
}
