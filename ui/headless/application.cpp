#include "ui/application.h"

#include "ui/form.h"

namespace ui {

void Application::SetTitle(const std::string& title) { title_ = title; }

// There is no message loop in memory: every event runs when a test raises it, so Run shows
// the form and returns at once. A new run starts unterminated.
void Application::Run(Form& mainForm, int showCommand) {
  terminated_ = false;
  mainForm_ = &mainForm;
  mainForm.Show(showCommand);
}

void Application::Terminate() { terminated_ = true; }

void Application::ProcessMessages() {}

}  // namespace ui
