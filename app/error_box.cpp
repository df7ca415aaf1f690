#include "app/error_box.h"

#include "entries/code_page.h"
#include "ui/application.h"

std::string ErrorBoxText(const std::string& message) {
  if (message.empty()) return message;
  // A double-byte character ends the text when its lead byte starts the last two bytes;
  // its first byte (0x81 and above) always sorts above ".".
  const size_t last = LastCharStart(message);
  const auto first = static_cast<unsigned char>(message[last]);
  const bool above = (message.size() - last > 1) || first > static_cast<unsigned char>('.');
  return above ? message + "." : message;
}

void ShowErrorBox(const std::string& message) {
  auto& app = ui::Application::Instance();
  ui::ShowMessageBox(app.MainForm(), ErrorBoxText(message), app.Title(), ui::BoxIcon::Error);
}
