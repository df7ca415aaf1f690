// The main window's life: creation, showing, closing.
#include "app/form1.h"

#include "app/command_line.h"
#include "entries/path_kind.h"
#include "settings/settings_file.h"
#include "ui/application.h"

TForm1* Form1 = nullptr;

TForm1::TForm1()
    : ListView1(*this),
      StatusBar1(*this),
      OpenDialog1(*this),
      SaveDialog1(*this),
      ImageList1(*this, 16, 16),
      MainMenu1(*this),
      ToolBar1(*this),
      PopupMenu1(*this),
      PopupMenu2(*this) {
  Form1 = this;
  BuildLayout();
  // An error in FormCreate is shown and start-up goes on with the window as it is.
  ui::Guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::FormCreate() {
  platform::AcceptDroppedFiles(Handle(), true);
  SettingsFile = std::make_unique<TSettingsFile>(SettingsFilePath(platform::ModuleFileName()));
  LoadSettings();
  AppDir = PathDirectory(platform::ModuleFileName());

  const std::vector<std::string> arguments = CommandLineArguments(platform::CommandLine());
  walkTrouble_ = {};
  if (arguments.empty()) return;
  CollectedPaths list;
  LongWork work(*this);
  for (const std::string& path : arguments) {
    if (work.Stopped()) break;
    CollectPath(path, list);
  }
  AddCollectedRows(ListView1, list);
  ShowWalkTrouble();
}

void TForm1::FormShow() { UpdateCommands(); }

// A settings file that cannot be written is reported by the error box, and the window still
// closes (the form closes whatever its close handler raises).
void TForm1::FormClose() {
  SaveSettings();
  SettingsFile.reset();
}

void TForm1::Exit1Click() { Close(); }
