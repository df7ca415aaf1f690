#include <algorithm>
#include <stdexcept>

#include "ui/bars.h"
#include "ui/win32/native.h"

namespace ui {

void win32::ShowText(HWND bar, const std::string& text) {
  const std::wstring wide = Wide(text);  // the control keeps a copy
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(wide.c_str()));
}

StatusBar::StatusBar(Form& owner) : owner_(owner) {
  win32::InitControls();
  // Placed by the form, so it neither aligns nor sizes itself.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_NOPARENTALIGN |
                      CCS_NORESIZE | CCS_NODIVIDER;
  const HWND hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", style, 0, 0, 0, 0, win32::Hwnd(owner),
                                    nullptr, win32::Instance(), nullptr);
  if (!hwnd) throw std::runtime_error("status bar creation failed");
  SendMessageW(hwnd, SB_SIMPLE, TRUE, 0);
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
  impl.statusTextPosted = impl.hwnd && PostMessageW(impl.hwnd, kShowStatusText, 0, 0);
  if (!impl.statusTextPosted) win32::ShowStatusTexts(*this);
}

void StatusBar::SetSecondText(const std::string& text) {
  if (text == second_) return;
  const bool parts = second_.empty() != text.empty();
  second_ = text;
  if (parts) win32::LayOutStatusParts(*this);
  Form::Impl& impl = owner_.impl();
  if (impl.statusTextPosted || inProgress_) return;
  impl.statusTextPosted = impl.hwnd && PostMessageW(impl.hwnd, kShowStatusText, 0, 0);
  if (!impl.statusTextPosted) win32::ShowStatusTexts(*this);
}

void StatusBar::ShowProgress(const std::string& progress) {
  progress_ = progress;
  inProgress_ = true;
  win32::ShowStatusTexts(*this);
  UpdateWindow(static_cast<HWND>(native_));
}

void StatusBar::EndProgress() {
  inProgress_ = false;
  win32::ShowStatusTexts(*this);
}

namespace win32 {

namespace {

// Wide enough for "変更 " and six digits at 96 dpi.
constexpr int kSecondPartWidth = 100;

void SetPartText(HWND hwnd, WPARAM part, const std::string& text) {
  const std::wstring wide = Wide(text);
  SendMessageW(hwnd, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace

// Progress and a lone text use the simple mode, over the whole width; two texts, the parts.
void ShowStatusTexts(StatusBar& bar) {
  const auto hwnd = static_cast<HWND>(bar.NativeHandle());
  const bool simple = bar.InProgress() || bar.SecondText().empty();
  SendMessageW(hwnd, SB_SIMPLE, simple ? TRUE : FALSE, 0);
  if (simple) {
    SetPartText(hwnd, SB_SIMPLEID, bar.ShownText());
  } else {
    SetPartText(hwnd, 0, bar.SimpleText());
    SetPartText(hwnd, 1, bar.SecondText());
  }
}

void LayOutStatusParts(StatusBar& bar) {
  const auto hwnd = static_cast<HWND>(bar.NativeHandle());
  RECT rc{};
  GetClientRect(hwnd, &rc);
  const int edges[2] = {std::max(0, static_cast<int>(rc.right) - Scale(kSecondPartWidth)), -1};
  SendMessageW(hwnd, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

}  // namespace win32

void StatusBar::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindow(static_cast<HWND>(native_), visible ? SW_SHOWNA : SW_HIDE);
  owner_.Realign();
}

int StatusBar::Height() const { return win32::Scale(19); }

}  // namespace ui
