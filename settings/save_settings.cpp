// Writing the settings file at close.
#include "app/form1.h"
#include "listfile/recent_items.h"
#include "settings/settings_file.h"

void TForm1::SaveSettings() {
  const int max = PopupMenu2.Tag();
  SettingsFile->WriteNumber("file", "max", max);
  // Keys of earlier runs beyond `max` stay in the file: nothing is ever erased. A path that
  // the file's code page cannot hold stays in the menus for this run only: a look-alike would
  // name another file.
  int written = 0;
  for (int i = 0; i < Recentry1->Count() && written < max; ++i) {
    const std::string path = RecentItemPath(Recentry1->Item(i).Caption());
    if (SettingsFile->Holds(path))
      SettingsFile->WriteText("recent", RecentItemIndex(written++), path);
  }
  SettingsFile->WriteFlag("show", "toolbar", ShowToolBar1->Checked());
  SettingsFile->WriteFlag("show", "statusbar", ShowStatusBar1->Checked());
  SettingsFile->WriteFlag("show", "window", ShowWindow1->Checked());
  SettingsFile->WriteText("show", "time",
                          ShowCreationTime1->Checked() ? "creation"
                          : ShowAccessTime1->Checked() ? "access"
                                                       : "write");
  SettingsFile->WriteNumber("window", "left", Left());
  SettingsFile->WriteNumber("window", "top", Top());
  // Sizes at 96 dpi, so that a start on a monitor of another DPI keeps the window's size.
  SettingsFile->WriteNumber("window", "width", At96Dpi(Width()));
  SettingsFile->WriteNumber("window", "height", At96Dpi(Height()));
  SettingsFile->WriteFlag("update", "creation", UpdateCreation1->Checked());
  SettingsFile->WriteFlag("update", "access", UpdateAccess1->Checked());
  SettingsFile->WriteFlag("update", "write", UpdateWrite1->Checked());
  SettingsFile->WriteFlag("update", "changed", UpdateChanged1->Checked());
}

int TForm1::At96Dpi(int pixels) const {
  return static_cast<int>((static_cast<int64_t>(pixels) * 96 + Dpi() / 2) / Dpi());
}

int TForm1::FromDpi96(int pixels) const {
  return static_cast<int>((static_cast<int64_t>(pixels) * Dpi() + 48) / 96);
}
