#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/bars.h"
#include "ui/headless/form_impl.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace ui {

Form::Form() : impl_(std::make_unique<Impl>()) {}

Form::~Form() {
  std::erase_if(headless::PostedKeys(),
                [this](const headless::PostedKey& posted) { return posted.form == this; });
  Application& application = Application::Instance();
  if (application.MainForm() == this) application.SetMainForm(nullptr);
}

void Form::SetCaption(const std::string& caption) { caption_ = caption; }

// The screen is at 96 dpi, so the design size is the size.
void Form::SetDesignSize(int width, int height) {
  impl_->width = width;
  impl_->height = height;
  Realign();
}

void Form::SetFont(const std::string& face, int height, int charset) {
  impl_->fontFace = face;
  impl_->fontHeight = height;
  impl_->fontCharset = charset;
}

int Form::Left() const { return impl_->left; }
int Form::Top() const { return impl_->top; }
int Form::Width() const { return impl_->width; }
int Form::Height() const { return impl_->height; }
void Form::SetLeft(int left) { impl_->left = left; }
void Form::SetTop(int top) { impl_->top = top; }

bool Form::TitleBarOnScreen(int left, int top, int width) const {
  const int barBottom = top + headless::kFrameHeight - 8;  // the border above and the caption
  return width > 0 && left < headless::kScreenWidth && left + width > 0 &&
         top < headless::kScreenHeight && barBottom > 0;
}

void Form::SetWidth(int width) {
  impl_->width = width;
  Realign();
}

void Form::SetHeight(int height) {
  impl_->height = height;
  Realign();
}

void Form::Show(int showCommand) {
  Impl& state = *impl_;
  switch (showCommand) {
    case 0:  // SW_HIDE
      state.visible = false;
      return;
    case 3:  // SW_SHOWMAXIMIZED
      state.maximized = true;
      state.minimized = false;
      break;
    case 2:   // SW_SHOWMINIMIZED
    case 6:   // SW_MINIMIZE
    case 7:   // SW_SHOWMINNOACTIVE
    case 11:  // SW_FORCEMINIMIZE
      state.maximized = false;
      state.minimized = true;
      break;
    case 5:  // SW_SHOW and SW_SHOWNA keep the current state
    case 8:
      break;
    default:  // SW_SHOWNORMAL, SW_SHOWNOACTIVATE, SW_RESTORE, SW_SHOWDEFAULT...
      state.maximized = false;
      state.minimized = false;
      break;
  }
  const bool wasVisible = state.visible;
  state.visible = true;
  Realign();
  if (wasVisible) return;
  if (OnShow) Guarded(OnShow);
  // Then the window becomes active (unless the command says otherwise) and hands the
  // keyboard focus to its list.
  const bool activates = showCommand != 4 && showCommand != 7 && showCommand != 8;
  if (activates && client_) client_->SetFocus();
}

bool Form::Visible() const { return impl_->visible; }
bool Form::Maximized() const { return impl_->maximized; }
bool Form::Minimized() const { return impl_->minimized; }

void Form::Close() {
  // The window goes even when the handler fails: the failure is reported, and a window that
  // could never close would hold the program.
  if (OnClose) Guarded(OnClose);
  impl_->visible = false;
  Application& application = Application::Instance();
  if (application.MainForm() == this) application.Terminate();
}

int Form::Dpi() const { return 96; }

platform::WindowHandle Form::Handle() const { return impl_.get(); }

void Form::ClientSize(int& width, int& height) const {
  const bool menuBar = mainMenu_ && mainMenu_->Items().Native();
  width = std::max(0, impl_->width - headless::kFrameWidth);
  height = std::max(
      0, impl_->height - headless::kFrameHeight - (menuBar ? headless::kMenuBarHeight : 0));
}

// Nothing in memory has windows to move: the layout is worked out when it is asked for.
void Form::Realign() {}

void headless::DeliverKey(Form& form, ShortCut key) {
  if (form.IsShortCut(key)) return;
  KeyTarget* focus = form.impl().focus;
  if (focus && !key.ctrl) focus->KeyDown(key.key);
}

}  // namespace ui
