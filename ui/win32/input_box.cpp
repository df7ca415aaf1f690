// The input box: a dialog made from a template in memory. While tests answer it, each answer
// is put into its edit box and Enter or Esc is posted to the edit box, so that the dialog's
// own keyboard handling chooses OK or Cancel as it does for a user.
#include <cstdio>
#include <string>
#include <vector>

#include "ui/hooks.h"
#include "ui/input_box.h"
#include "ui/win32/native.h"

namespace ui {
namespace {

constexpr WORD kLabelId = 100;
constexpr WORD kEditId = 101;
constexpr UINT kNextAnswer = WM_APP + 20;  // posted to the dialog: type the next answer
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// DLGTEMPLATE and its items, as the system reads them: words, items aligned on double words.
class Template {
 public:
  Template(const std::string& caption, int cx, int cy, WORD items) {
    Long(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Long(0);
    words_.push_back(items);
    for (int value : {0, 0, cx, cy}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    Text(caption);
    words_.push_back(9);  // points
    Text("MS UI Gothic");
  }
  void Item(DWORD style, int x, int y, int cx, int cy, WORD id, WORD atom,
            const std::string& text) {
    if (words_.size() % 2) words_.push_back(0);
    Long(style | WS_CHILD | WS_VISIBLE);
    Long(0);
    for (int value : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    Text(text);
    words_.push_back(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Long(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Text(const std::string& text) {
    for (wchar_t c : win32::Wide(text)) words_.push_back(static_cast<WORD>(c));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

struct Request {
  const std::string& label;
  std::string& text;
  const std::function<std::string(const std::string&)>& check;
  std::string caption;
  bool answering = false;
  bool recorded = false;
};

std::string ItemText(HWND dialog, int id) { return win32::WindowText(GetDlgItem(dialog, id)); }

void SetItemText(HWND item, const std::string& text) {
  SetWindowTextW(item, win32::Wide(text).c_str());
}

void FocusEdit(HWND dialog) {
  const HWND edit = GetDlgItem(dialog, kEditId);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}

void PostKey(HWND window, WPARAM key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0)) << 16;
  PostMessageW(window, WM_KEYDOWN, key, 1 | scan);
  PostMessageW(window, WM_KEYUP, key, 1 | scan | (3u << 30));
}

// Tests: what the dialog showed once it settled, then the next answer typed and confirmed.
void TypeNextAnswer(HWND dialog, Request& request) {
  const HWND edit = GetDlgItem(dialog, kEditId);
  if (!request.recorded) {
    request.recorded = true;
    hooks::inputBoxShown({request.caption, ItemText(dialog, kLabelId), ItemText(dialog, kEditId),
                          GetFocus() == edit});
  }
  const std::optional<std::string> answer = hooks::inputBoxAnswer();
  if (answer) SetItemText(edit, *answer);
  PostKey(GetFocus() ? GetFocus() : edit, answer ? VK_RETURN : VK_ESCAPE);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* request = reinterpret_cast<Request*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      request = reinterpret_cast<Request*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetItemText(GetDlgItem(dialog, kEditId), request->text);
      FocusEdit(dialog);
      if (request->answering) PostMessageW(dialog, kNextAnswer, 0, 0);
      return FALSE;  // the focus is set
    case kNextAnswer:
      if (request) TypeNextAnswer(dialog, *request);
      return TRUE;
    case WM_COMMAND:
      if (!request) return FALSE;
      if (LOWORD(wParam) == IDOK) {
        const std::string typed = ItemText(dialog, kEditId);
        const std::string error = request->check(typed);
        if (error.empty()) {
          request->text = typed;
          EndDialog(dialog, IDOK);
        } else {
          win32::ShowMessageBoxOver(dialog, error, Application::Instance().Title(), BoxIcon::Error);
          FocusEdit(dialog);
          if (request->answering) PostMessageW(dialog, kNextAnswer, 0, 0);
        }
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

bool InputBox(Form& owner, const std::string& caption, const std::string& label, std::string& text,
              const std::function<std::string(const std::string& typed)>& check) {
  Template dialog(caption, 200, 62, 4);
  dialog.Item(SS_LEFT, 7, 7, 186, 10, kLabelId, kStaticClass, label);
  dialog.Item(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 19, 186, 13, kEditId, kEditClass, "");
  dialog.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 41, 50, 14, IDOK, kButtonClass, "OK");
  dialog.Item(BS_PUSHBUTTON | WS_TABSTOP, 143, 41, 50, 14, IDCANCEL, kButtonClass, "キャンセル");
  Request request{label, text, check, caption, hooks::inputBoxShown && hooks::inputBoxAnswer};
  const HWND ownerHwnd = win32::Hwnd(owner);
  const INT_PTR result = DialogBoxIndirectParamW(
      win32::Instance(), dialog.Get(), ownerHwnd && IsWindow(ownerHwnd) ? ownerHwnd : nullptr,
      DialogProc, reinterpret_cast<LPARAM>(&request));
  return result == IDOK;
}

}  // namespace ui
