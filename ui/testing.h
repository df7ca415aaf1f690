// What tests do as a user would: keys, clicks, drops, and the answers of modal boxes.
// Both builds implement it in the testing library (ui/testing/), which only the test
// programs link: the headless one in memory, the win32 one with real messages to the real
// controls. The program reaches it only through null hooks (ui/hooks.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "ui/application.h"
#include "ui/shortcut.h"

namespace ui {
class Form;
class ListView;
}  // namespace ui

namespace ui::testing {

// A key press (with Ctrl when the shortcut says so) in the form's focused control, passing
// through the message loop: a menu shortcut runs its item; otherwise the focused control
// gets the key (the in-place editor: Delete, Back, Home, End, Left, Right, Return, Escape).
void PressKey(Form& form, ShortCut key);
constexpr uint16_t kKeyHome = 0x24;
constexpr uint16_t kKeyEnd = 0x23;
constexpr uint16_t kKeyLeft = 0x25;
constexpr uint16_t kKeyRight = 0x27;
constexpr uint16_t kKeyBack = 0x08;
// Types characters (UTF-8) into the focused control.
void TypeText(Form& form, const std::string& text);

void ClickColumnHeader(ListView& list, int column);
// A left click on a row's caption (selects it alone and focuses it, as a click does).
void ClickRow(ListView& list, int index);
// Files dropped on the form, as the shell delivers them.
void DropFiles(Form& form, const std::vector<std::string>& paths, bool utf8 = false);

// Message boxes: while recording, every box is shown and then answered with OK at once;
// what it showed is kept.
struct ShownBox {
  std::string caption;
  std::string text;
  BoxIcon icon;
  int left, top;  // its top-left corner on the screen
};
void RecordBoxes(bool on);
std::vector<ShownBox> TakeBoxes();

// File dialogs: while answering, every file dialog is answered at once with the next of
// these answers: the files chosen (several only of one folder), or none for a cancel. A
// dialog with no answer left is cancelled. What each dialog showed is kept.
struct ShownFileDialog {
  bool save;
  std::string fileName;  // in its name box as it opened
  std::string fileType;  // the description of the file type it offered
  bool readOnlyBox;      // the "open as read-only" check box shown
  bool resizable;
};
void AnswerFileDialogs(std::vector<std::vector<std::string>> answers);
std::vector<ShownFileDialog> TakeFileDialogs();
// Stops answering; returns how many answers no dialog took.
size_t StopAnsweringFileDialogs();

// Input boxes (ui/input_box.h): while answering, each takes the next of these answers, typed
// into its edit box in place of its text and confirmed with Enter; none stands for Esc, and a
// box with no answer left gets Esc too. What each box showed as it opened is kept.
struct ShownInputBox {
  std::string caption, label, text;
  bool editFocused;  // its edit box had the keyboard focus
};
void AnswerInputBoxes(std::vector<std::optional<std::string>> answers);
std::vector<ShownInputBox> TakeInputBoxes();
// Stops answering; returns how many answers no box took.
size_t StopAnsweringInputBoxes();

// Long work (see ui/busy.h): how often it lets the windows paint and looks at the input
// (100 ms; 0 at every call), and a callback run at each of those moments, before the input
// is looked at.
void SetKeepAliveInterval(int milliseconds);
void SetKeepAliveHook(std::function<void()> callback);
// A key pressed while the program is busy: it waits in the input until the work looks, or,
// when nothing is busy, until the messages are processed.
void PostKey(Form& form, ShortCut key);
// Whether long work shows the program busy (the wait cursor).
bool Busy();

// Screen size, for checking centred positions.
int ScreenWidth();
int ScreenHeight();

}  // namespace ui::testing
