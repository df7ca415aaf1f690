#include <stdexcept>

#include "ui/application.h"
#include "ui/bars.h"
#include "ui/menu.h"
#include "ui/win32/native.h"

namespace ui {

namespace {

HWND BarHwnd(const ToolBar& bar) { return static_cast<HWND>(bar.NativeHandle()); }

// Buttons answer to their position plus one; 0 stays free for separators' sake.
int CommandOf(int index) { return index + 1; }

// The tooltip asks for a text that must outlive the notification: it reads it afterwards.
std::wstring wideTip;

}  // namespace

void ToolButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (bar_) bar_->ButtonChanged(*this);
}

void ToolButton::Click() {
  if (enabled_ && OnClick) Guarded(OnClick);
}

void ToolButton::ClickDropdownArrow() {
  if (!dropdown_ || !bar_) return;
  RECT rc{};
  const HWND bar = BarHwnd(*bar_);
  SendMessageW(bar, TB_GETRECT, CommandOf(index_), reinterpret_cast<LPARAM>(&rc));
  MapWindowPoints(bar, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
  // The button's tooltip would otherwise stay over the menu, or come back while the mouse
  // rests on the button.
  const auto tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
  if (tips) {
    // As if the mouse had left every button: a tip about to show is called off too.
    MSG away{};
    away.hwnd = bar;
    away.message = WM_MOUSEMOVE;
    away.lParam = MAKELPARAM(-30000 & 0xFFFF, -30000 & 0xFFFF);
    SendMessageW(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&away));
    SendMessageW(tips, TTM_POP, 0, 0);
    SendMessageW(tips, TTM_ACTIVATE, FALSE, 0);
  }
  dropdown_->Popup(rc.left, rc.bottom);
  if (tips) SendMessageW(tips, TTM_ACTIVATE, TRUE, 0);
}

ToolBar::ToolBar(Form& owner) : owner_(owner) {
  win32::InitControls();
  // Placed by the form, so it neither aligns nor sizes itself.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                      CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  const HWND hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0,
                                    win32::Hwnd(owner), nullptr, win32::Instance(), nullptr);
  if (!hwnd) throw std::runtime_error("toolbar creation failed");
  native_ = hwnd;
  SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendMessageW(hwnd, TB_SETINDENT, win32::Scale(4), 0);
  SendMessageW(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));

  auto& impl = owner.impl();
  impl.commandHandlers[hwnd] = [this](int id) {
    if (id >= 1 && id <= Count()) Button(id - 1).Click();
  };
  auto notify = [this](NMHDR& header) -> LRESULT {
    switch (header.code) {
      case TBN_DROPDOWN: {
        const int id = reinterpret_cast<NMTOOLBARW&>(header).iItem;
        if (id >= 1 && id <= Count()) Button(id - 1).ClickDropdownArrow();
        return TBDDRET_DEFAULT;
      }
      case TTN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const int id = static_cast<int>(header.idFrom);
        wideTip = id >= 1 && id <= Count() ? win32::Wide(Button(id - 1).Hint()) : L"";
        info.lpszText = wideTip.data();
        return 0;
      }
    }
    return 0;
  };
  impl.notifyHandlers[hwnd] = notify;
  if (auto tips = reinterpret_cast<HWND>(SendMessageW(hwnd, TB_GETTOOLTIPS, 0, 0))) {
    impl.notifyHandlers[tips] = notify;
  }
  owner.SetToolBar(this);
  owner.Realign();
}

ToolBar::~ToolBar() {
  auto& impl = owner_.impl();
  const HWND hwnd = BarHwnd(*this);
  impl.commandHandlers.erase(hwnd);
  impl.notifyHandlers.erase(hwnd);
  if (auto tips = reinterpret_cast<HWND>(SendMessageW(hwnd, TB_GETTOOLTIPS, 0, 0))) {
    impl.notifyHandlers.erase(tips);
  }
  if (owner_.GetToolBar() == this) owner_.SetToolBar(nullptr);
  DestroyWindow(hwnd);
}

void ToolBar::SetImages(ImageList* images) {
  images_ = images;
  if (images) {
    const int size = images->ShownSize();
    SendMessageW(BarHwnd(*this), TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  }
  SendMessageW(BarHwnd(*this), TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(images ? images->NativeHandle() : nullptr));
  owner_.Realign();
}

void win32::RescaleToolBar(ToolBar& bar) {
  const HWND hwnd = BarHwnd(bar);
  SendMessageW(hwnd, TB_SETINDENT, Scale(4), 0);
  for (int i = 0; i < bar.Count(); ++i) {
    const ToolButton& button = bar.Button(i);
    if (button.Style() != ButtonStyle::Separator) continue;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE | TBIF_BYINDEX;
    info.cx = static_cast<WORD>(Scale(button.SeparatorWidth()));
    SendMessageW(hwnd, TB_SETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&info));
  }
  if (bar.images_) {
    bar.images_->Rescale();
    bar.SetImages(bar.images_);
  }
  SendMessageW(hwnd, TB_AUTOSIZE, 0, 0);
}

ToolButton& ToolBar::Append(std::unique_ptr<ToolButton> button) {
  ToolButton& added = *button;
  added.bar_ = this;
  added.index_ = Count();
  TBBUTTON native{};
  native.idCommand = CommandOf(added.index_);
  native.fsState = added.enabled_ ? TBSTATE_ENABLED : 0;
  native.iString = -1;
  switch (added.style_) {
    case ButtonStyle::Button:
      native.iBitmap = added.image_;
      native.fsStyle = BTNS_BUTTON;
      break;
    case ButtonStyle::DropDown:
      native.iBitmap = added.image_;
      native.fsStyle = BTNS_DROPDOWN;
      break;
    case ButtonStyle::Separator:
      native.iBitmap = win32::Scale(added.separatorWidth_);
      native.fsStyle = BTNS_SEP;
      break;
  }
  buttons_.push_back(std::move(button));
  SendMessageW(BarHwnd(*this), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&native));
  owner_.Realign();
  return added;
}

void ToolBar::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindow(BarHwnd(*this), visible ? SW_SHOWNA : SW_HIDE);
  owner_.Realign();
}

int ToolBar::Height() const {
  // The buttons' height and a little room above and below them.
  const auto size = static_cast<DWORD>(SendMessageW(BarHwnd(*this), TB_GETBUTTONSIZE, 0, 0));
  return HIWORD(size) + win32::Scale(6);
}

void ToolBar::ButtonChanged(ToolButton& button) {
  SendMessageW(BarHwnd(*this), TB_ENABLEBUTTON, CommandOf(button.index_),
               MAKELPARAM(button.enabled_ ? TRUE : FALSE, 0));
}

}  // namespace ui
