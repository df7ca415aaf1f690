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
  SettingsFile->WriteNumber("window", "left", Left());
  SettingsFile->WriteNumber("window", "top", Top());
  SettingsFile->WriteNumber("window", "width", Width());
  SettingsFile->WriteNumber("window", "height", Height());
  SettingsFile->WriteFlag("update", "creation", UpdateCreation1->Checked());
  SettingsFile->WriteFlag("update", "access", UpdateAccess1->Checked());
  SettingsFile->WriteFlag("update", "write", UpdateWrite1->Checked());
}
