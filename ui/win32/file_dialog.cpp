// The common file dialogs, Explorer style. While tests answer them, a hook types each
// scripted answer into the real dialog's name box and confirms it, as a user would.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ui/file_dialog.h"
#include "ui/file_dialog_script.h"
#include "ui/win32/native.h"
// After windows.h.
#include <commdlg.h>
#include <dlgs.h>

namespace ui::detail {
namespace {

constexpr DWORD kBufferSize = FileDialog::kMaxAnswer + 1;

// "a|b" as the system takes it: each part ended by a zero, and one more zero at the end. A
// "|" that is the second byte of a double-byte character stays.
std::string NativeFilter(const std::string& filter) {
  std::string result;
  for (size_t i = 0; i < filter.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(filter[i])) && i + 1 < filter.size()) {
      result += filter.substr(i++, 2);
    } else {
      result += filter[i] == '|' ? '\0' : filter[i];
    }
  }
  return result + '\0';  // and c_str's own zero
}

bool EndsWithBackslash(const std::string& path) {
  size_t i = 0, last = std::string::npos;
  while (i < path.size()) {
    last = i;
    i += IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size() ? 2 : 1;
  }
  return last != std::string::npos && path[last] == '\\';
}

// One full path; or, for several files, the folder and then each name, each ended by a zero,
// so that the name's offset follows a zero.
std::vector<std::string> ParseAnswer(const std::vector<char>& buffer, WORD fileOffset) {
  const std::string head = buffer.data();
  if (fileOffset == 0 || fileOffset > head.size() + 1 || buffer[fileOffset - 1] != '\0')
    return {head};
  const std::string folder = EndsWithBackslash(head) ? head : head + "\\";
  std::vector<std::string> files;
  for (const char* name = buffer.data() + head.size() + 1; *name; name += std::strlen(name) + 1)
    files.push_back(folder + name);
  return files;
}

std::string WindowText(HWND window) {
  if (!window) return {};
  std::string text(GetWindowTextLengthA(window), '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size() + 1)));
  return text;
}

// --- answering for tests ---------------------------------------------------------------

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
          readOnly && (GetWindowLongA(readOnly, GWL_STYLE) & WS_VISIBLE),
          (GetWindowLongA(dialog, GWL_STYLE) & WS_THICKFRAME) != 0};
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
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
  }
  const std::string text = answering->typed.front();
  answering->typed.erase(answering->typed.begin());
  SendMessageA(dialog, CDM_SETCONTROLTEXT, GetDlgCtrlID(NameBox(dialog)),
               reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  if (!answering->typed.empty()) ScheduleStep();
}

LRESULT CALLBACK DialogHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && answering) {
    const auto window = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const bool box = std::strcmp(className, "#32770") == 0;
    if (box && !answering->dialog) {
      answering->dialog = window;
      ScheduleStep();
    } else if (box && window != answering->dialog) {
      // A box of the dialog's own (a rejected name): nobody would answer it, so both go.
      std::fprintf(stderr, "[file dialog] it showed a box: %s\n",
                   WindowText(GetDlgItem(window, 0xFFFF)).c_str());
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
      PostMessageA(answering->dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hook lives as long as one dialog, and only while tests answer.
class AnswerGuard {
 public:
  explicit AnswerGuard(bool save) : outer_(answering) {
    state_.save = save;
    if (!AnsweringFileDialogs()) return;
    answering = &state_;
    hook_ = SetWindowsHookExA(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
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

}  // namespace

bool RunFileDialog(const FileDialog& dialog, std::vector<std::string>& files) {
  const FileDialogOptions& options = dialog.Options();
  const bool save = dialog.Kind() == FileDialogKind::Save;
  const std::string filter = NativeFilter(dialog.Filter());
  std::vector<char> buffer(kBufferSize, '\0');
  const std::string& name = dialog.FileName();
  std::memcpy(buffer.data(), name.data(), std::min<size_t>(name.size(), FileDialog::kMaxAnswer));

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  const HWND owner = win32::Hwnd(dialog.Owner());
  request.hwndOwner = owner && IsWindow(owner) ? owner : nullptr;
  request.lpstrFilter = dialog.Filter().empty() ? nullptr : filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = buffer.data();
  request.nMaxFile = kBufferSize;
  request.lpstrDefExt = dialog.DefaultExt().empty() ? nullptr : dialog.DefaultExt().c_str();
  request.Flags = OFN_EXPLORER;
  if (options.allowMultiSelect) request.Flags |= OFN_ALLOWMULTISELECT;
  if (options.hideReadOnly) request.Flags |= OFN_HIDEREADONLY;
  if (options.enableSizing) request.Flags |= OFN_ENABLESIZING;
  if (options.overwritePrompt) request.Flags |= OFN_OVERWRITEPROMPT;
  if (options.fileMustExist) request.Flags |= OFN_FILEMUSTEXIST;

  BOOL chosen;
  {
    AnswerGuard guard(save);
    chosen = save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request);
  }
  // Not chosen: cancelled, or the names did not fit (FNERR_BUFFERTOOSMALL).
  if (!chosen) return false;
  files = options.allowMultiSelect ? ParseAnswer(buffer, request.nFileOffset)
                                   : std::vector<std::string>{buffer.data()};
  return true;
}

}  // namespace ui::detail
