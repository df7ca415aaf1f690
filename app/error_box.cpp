#include "app/error_box.h"

#include "ui/application.h"

std::string ErrorBoxText(const std::string& message) {
  if (message.empty()) return message;
  // Every byte of a character beyond ASCII (0x80 and above) sorts above ".", so the last
  // byte tells for the last character.
  const bool above = static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.');
  return above ? message + "." : message;
}

void ShowErrorBox(const std::string& message) {
  auto& app = ui::Application::Instance();
  ui::ShowMessageBox(app.MainForm(), ErrorBoxText(message), app.Title(), ui::BoxIcon::Error);
}
