// Program start: settings, title, main window, message loop.
#include "app/error_box.h"
#include "app/form1.h"
#include "entries/date_settings.h"
#include "ui/application.h"

namespace {

// The show state asked for by whoever started the program: maximised and minimised are
// honoured, anything else shows the window normally.
int InitialShowCommand() {
  const int asked = platform::StartupShowCommand();
  if (asked == platform::kSwShowMaximized || asked == platform::kSwShowMinNoActive) return asked;
  return 1;  // SW_SHOWNORMAL
}

}  // namespace

int main() {
  ReadDateSettings();
  ui::Application& application = ui::Application::Instance();
  application.SetTitle("Horodex");
  application.OnException = ShowErrorBox;
  application.OnSettingChange = [] { ReadDateSettings(); };
  {
    TForm1 form;
    application.Run(form, InitialShowCommand());
  }
  return 0;
}
