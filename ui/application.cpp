#include "ui/application.h"

namespace ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::HandleException(const std::exception& error) {
  if (OnException) {
    OnException(error.what());
  } else {
    ShowMessageBox(mainForm_, error.what(), title_, BoxIcon::Error);
  }
}

void Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    Application::Instance().HandleException(error);
  }
}

}  // namespace ui
