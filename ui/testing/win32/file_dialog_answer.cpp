// Answering the real file dialogs: a hook types each scripted answer into the dialog's name
// box and confirms it, as a user would.
#include <cstdio>

#include "ui/hooks.h"
#include "ui/testing/file_dialog_script.h"
#include "ui/win32/native.h"
// After windows.h.
#include <commdlg.h>
#include <dlgs.h>

namespace ui::testing::detail {
namespace {

using win32::WindowText;

struct Answering {
  bool save = false;
  HWND dialog = nullptr;
  UINT_PTR timer = 0;
  bool started = false;
  std::vector<std::string> typed;  // what is still to be typed, each confirmed with OK
};
thread_local Answering* answering = nullptr;

// The file name box: a combo box (cmb13) in newer dialogs, an edit box (edt1) in older ones.
HWND NameBox(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb13);
  return combo ? combo : GetDlgItem(dialog, edt1);
}

testing::ShownFileDialog Shown(HWND dialog, bool save) {
  const HWND readOnly = GetDlgItem(dialog, chx1);
  return {save, WindowText(NameBox(dialog)), WindowText(GetDlgItem(dialog, cmb1)),
          readOnly && (GetWindowLongW(readOnly, GWL_STYLE) & WS_VISIBLE),
          (GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME) != 0};
}

// A single file is typed as its full path. Several files are typed as a user selects them:
// their folder first, which the dialog opens, then their names in quotes.
std::vector<std::string> Typing(const std::vector<std::string>& files) {
  if (files.size() <= 1) return files;
  const std::string folder = files[0].substr(0, files[0].rfind('\\') + 1);
  std::string names;
  for (const std::string& file : files) {
    const bool inFolder = file.compare(0, folder.size(), folder) == 0;
    names += "\"" + (inFolder ? file.substr(folder.size()) : file) + "\" ";
  }
  return {folder, names};
}

void CALLBACK NextStep(HWND, UINT, UINT_PTR id, DWORD);

// Each step waits for a timer, which fires once the dialog has handled everything before it:
// its own set-up first, then what the step before typed.
void ScheduleStep() { answering->timer = SetTimer(nullptr, 0, 1, NextStep); }

void CALLBACK NextStep(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!answering || answering->timer != id) return;
  answering->timer = 0;
  const HWND dialog = answering->dialog;
  if (!answering->started) {
    answering->started = true;
    answering->typed = Typing(TakeFileDialogAnswer(Shown(dialog, answering->save)));
    if (answering->typed.empty()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
  }
  // The dialog is the wide one: it takes the text as UTF-16.
  const std::wstring text = win32::Wide(answering->typed.front());
  answering->typed.erase(answering->typed.begin());
  SendMessageW(dialog, CDM_SETCONTROLTEXT, GetDlgCtrlID(NameBox(dialog)),
               reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  if (!answering->typed.empty()) ScheduleStep();
}

LRESULT CALLBACK DialogHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && answering) {
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool box = win32::IsClass(window, L"#32770");
    if (box && !answering->dialog) {
      answering->dialog = window;
      ScheduleStep();
    } else if (box && window != answering->dialog) {
      // A box of the dialog's own (a rejected name): nobody would answer it, so both go.
      std::fprintf(stderr, "[file dialog] it showed a box: %s\n",
                   WindowText(GetDlgItem(window, 0xFFFF)).c_str());
      PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
      PostMessageW(answering->dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hook lives as long as one dialog.
class AnswerGuard {
 public:
  explicit AnswerGuard(bool save) : outer_(answering) {
    state_.save = save;
    answering = &state_;
    hook_ = SetWindowsHookExW(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
  }
  ~AnswerGuard() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (state_.timer) KillTimer(nullptr, state_.timer);
    answering = outer_;
  }
  AnswerGuard(const AnswerGuard&) = delete;
  AnswerGuard& operator=(const AnswerGuard&) = delete;

 private:
  Answering state_;
  Answering* outer_;
  HHOOK hook_ = nullptr;
};

bool AnswerDialog(bool save, const std::function<bool()>& show) {
  AnswerGuard guard(save);
  return show();
}

}  // namespace

void AnswerFileDialogsNatively(bool on) { hooks::fileDialog = on ? AnswerDialog : nullptr; }

}  // namespace ui::testing::detail
