// Reading the settings file at start-up.
#include <vector>

#include "app/form1.h"
#include "listfile/recent_items.h"
#include "settings/settings_file.h"

void TForm1::LoadSettings() {
  std::vector<std::string> keys;
  PopupMenu2.SetTag(SettingsFile->ReadNumber("file", "max", 4));

  // Entries are numbered by their order in the file; the key names only find the values.
  SettingsFile->ReadKeyNames("recent", keys);
  for (size_t i = 0; i < keys.size(); ++i) {
    const std::string caption =
        RecentItemIndex(static_cast<int>(i)) + " " + SettingsFile->ReadText("recent", keys[i], "");
    Recentry1->Add(NewRecentItem(caption));
    PopupMenu2.Items().Add(NewRecentItem(caption));
  }

  ShowToolBar1->SetChecked(SettingsFile->ReadFlag("show", "toolbar", true));
  ToolBar1.SetVisible(ShowToolBar1->Checked());
  ShowStatusBar1->SetChecked(SettingsFile->ReadFlag("show", "statusbar", true));
  StatusBar1.SetVisible(ShowStatusBar1->Checked());
  ShowWindow1->SetChecked(SettingsFile->ReadFlag("show", "window", false));
  if (ShowWindow1->Checked()) RestorePlacement();
  // Any other value, or none, is the last-write time. Read before any row is built.
  const std::string time = SettingsFile->ReadText("show", "time", "write");
  MarkShownTime(time == "creation" ? RowTime::Creation
                : time == "access" ? RowTime::LastAccess
                                   : RowTime::LastWrite);

  // A missing key is a time that Update sets; a file that turns all three off sets all three,
  // as Update always sets one.
  const bool creation = SettingsFile->ReadFlag("update", "creation", true);
  const bool access = SettingsFile->ReadFlag("update", "access", true);
  const bool write = SettingsFile->ReadFlag("update", "write", true);
  const bool none = !creation && !access && !write;
  UpdateCreation1->SetChecked(creation || none);
  UpdateAccess1->SetChecked(access || none);
  UpdateWrite1->SetChecked(write || none);
  UpdateChanged1->SetChecked(SettingsFile->ReadFlag("update", "changed", false));
}

// The stored placement, each value applied before the next is read. A placement that would
// leave no part of the title bar on any monitor (one unplugged since, a hand-edited value)
// could never be moved back by the user: the values that would do so are passed over.
void TForm1::RestorePlacement() {
  // Sizes are kept at 96 dpi; the window takes them at the DPI of the monitor it is moved to.
  const int left = SettingsFile->ReadNumber("window", "left", Left());
  const int top = SettingsFile->ReadNumber("window", "top", Top());
  const int width = FromDpi96(SettingsFile->ReadNumber("window", "width", At96Dpi(Width())));
  const bool whole = TitleBarOnScreen(left, top, width);
  if (whole || TitleBarOnScreen(left, Top(), Width())) SetLeft(left);
  if (whole || TitleBarOnScreen(Left(), top, Width())) SetTop(top);
  if (whole || TitleBarOnScreen(Left(), Top(), width)) SetWidth(width);
  SetHeight(FromDpi96(SettingsFile->ReadNumber("window", "height", At96Dpi(Height()))));
}
