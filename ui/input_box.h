// A small modal dialog that asks for one line of text.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Form;

// Shows a dialog over `owner` titled `caption`: the label, one edit box holding `text` (it
// has the focus as the dialog opens), "OK" and "キャンセル". Enter is OK and Esc cancels.
// On OK, `check` judges the typed text: an empty answer accepts it, into `text`; any other
// is shown in an error box titled as the application, and the dialog stays. False when it
// was cancelled.
bool InputBox(Form& owner, const std::string& caption, const std::string& label, std::string& text,
              const std::function<std::string(const std::string& typed)>& check);

}  // namespace ui
