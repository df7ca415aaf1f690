#include "ui/application.h"

#include "ui/form.h"
#include "ui/win32/native.h"

namespace ui {

void Application::SetTitle(const std::string& title) {
  // The main window carries the task-bar button, so the title is kept for the boxes.
  title_ = title;
}

void Application::Run(Form& mainForm, int showCommand) {
  SetMainForm(&mainForm);
  terminated_ = false;
  mainForm.Show(showCommand);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) win32::DispatchOne(msg);
  terminated_ = true;
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    win32::DispatchOne(msg);
  }
}

}  // namespace ui
