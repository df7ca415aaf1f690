#include "ui/application.h"

#include <vector>

#include "ui/form.h"
#include "ui/headless/form_impl.h"

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

std::vector<headless::PostedKey>& headless::PostedKeys() {
  static std::vector<PostedKey> keys;
  return keys;
}

// The keys that wait in the input reach their forms, as the message loop dispatches them.
void Application::ProcessMessages() {
  std::vector<headless::PostedKey> keys;
  keys.swap(headless::PostedKeys());
  for (const headless::PostedKey& posted : keys) headless::DeliverKey(*posted.form, posted.key);
}

}  // namespace ui
