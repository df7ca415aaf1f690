// The application: title, message loop, error box, termination.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace ui {

class Form;

class Application {
 public:
  static Application& Instance();

  void SetTitle(const std::string& title);  // also the task-bar caption
  const std::string& Title() const { return title_; }

  // Shows the main form with the show command (running its OnShow) and dispatches messages
  // until Terminate. Shortcut keys go to the main form's menus before the focused control.
  void Run(Form& mainForm, int showCommand);
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every pending message and returns (tests, long operations).
  void ProcessMessages();

  // Shows an error that no handler caught. Set by the program; by default a plain box.
  std::function<void(const std::string& message)> OnException;
  // WM_WININICHANGE: the user's regional settings changed.
  std::function<void()> OnSettingChange;

  void HandleException(const std::exception& error);
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form) { mainForm_ = form; }

 private:
  std::string title_;
  bool terminated_ = false;
  Form* mainForm_ = nullptr;
};

// Runs one event handler: an exception that it lets out goes to the application error box,
// and the program goes on. Every event the controls raise passes through here.
void Guarded(const std::function<void()>& handler);

enum class BoxIcon { Information, Error };

// A modal message box with one OK button. Its top-left corner goes to x when x >= 0 and to
// y when y >= 0 (screen pixels); an axis given as negative keeps the screen-centred place.
void ShowMessageBox(Form* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                    int x = -1, int y = -1);

}  // namespace ui
