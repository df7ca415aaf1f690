// The input box in memory: the scripted answers stand for what the user types, Enter and Esc.
#include <cstdio>

#include "ui/application.h"
#include "ui/hooks.h"
#include "ui/input_box.h"

namespace ui {

bool InputBox(Form& owner, const std::string& caption, const std::string& label, std::string& text,
              const std::function<std::string(const std::string& typed)>& check) {
  if (!hooks::inputBoxShown || !hooks::inputBoxAnswer) {
    // Nobody answers outside a script: show it, so that an unexpected one is seen.
    std::fprintf(stderr, "[input box] %s: %s\n", caption.c_str(), label.c_str());
    return false;
  }
  hooks::inputBoxShown({caption, label, text, true});
  while (const std::optional<std::string> typed = hooks::inputBoxAnswer()) {
    const std::string error = check(*typed);
    if (error.empty()) {
      text = *typed;
      return true;
    }
    ShowMessageBox(&owner, error, Application::Instance().Title(), BoxIcon::Error);
  }
  return false;
}

}  // namespace ui
