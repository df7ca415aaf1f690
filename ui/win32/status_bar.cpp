#include <stdexcept>

#include "ui/bars.h"
#include "ui/win32/native.h"

namespace ui {

StatusBar::StatusBar(Form& owner) : owner_(owner) {
  win32::InitControls();
  // Placed by the form, so it neither aligns nor sizes itself.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_NOPARENTALIGN |
                      CCS_NORESIZE | CCS_NODIVIDER;
  const HWND hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, 0, 0, win32::Hwnd(owner),
                                    nullptr, win32::Instance(), nullptr);
  if (!hwnd) throw std::runtime_error("status bar creation failed");
  SendMessageA(hwnd, SB_SIMPLE, TRUE, 0);
  native_ = hwnd;
  owner.SetStatusBar(this);
  owner.Realign();
}

StatusBar::~StatusBar() {
  if (owner_.GetStatusBar() == this) owner_.SetStatusBar(nullptr);
  DestroyWindow(static_cast<HWND>(native_));
}

void StatusBar::SetSimpleText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  // The control repaints itself at once on every text: a batch that counts its rows one by
  // one would pay for a paint per row. The form shows the latest text when it next gets to
  // its messages.
  Form::Impl& impl = owner_.impl();
  if (impl.statusTextPosted || inProgress_) return;
  impl.statusTextPosted = impl.hwnd && PostMessageA(impl.hwnd, kShowStatusText, 0, 0);
  if (!impl.statusTextPosted) {
    SendMessageA(static_cast<HWND>(native_), SB_SETTEXTA, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(text_.c_str()));
  }
}

void StatusBar::ShowProgress(const std::string& progress) {
  progress_ = progress;
  inProgress_ = true;
  const auto hwnd = static_cast<HWND>(native_);
  SendMessageA(hwnd, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(progress_.c_str()));
  UpdateWindow(hwnd);
}

void StatusBar::EndProgress() {
  inProgress_ = false;
  SendMessageA(static_cast<HWND>(native_), SB_SETTEXTA, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(text_.c_str()));
}

void StatusBar::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindow(static_cast<HWND>(native_), visible ? SW_SHOWNA : SW_HIDE);
  owner_.Realign();
}

int StatusBar::Height() const { return win32::Scale(19); }

}  // namespace ui
