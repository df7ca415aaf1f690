// Program start: settings, title, main window, message loop.
#include "app/error_box.h"
#include "app/form1.h"
#include "app/show_command.h"
#include "entries/date_settings.h"
#include "ui/application.h"

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
