#include "ui/bars.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ui {

namespace {
// The heights of the real bars at 96 dpi: a flat toolbar fitted to 16-pixel images, and a
// status bar in single-text mode.
constexpr int kToolBarHeight = 28;
constexpr int kStatusBarHeight = 19;
}  // namespace

ImageList::ImageList(Form&, int width, int height) : width_(width), height_(height) {}

ImageList::~ImageList() = default;

// No pixels are kept: only the count of images matters without a screen.
void ImageList::AddStrip(const std::string&, int count) { count_ += count; }

void ToolButton::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (bar_) bar_->ButtonChanged(*this);
}

void ToolButton::Click() {
  if (style_ == ButtonStyle::Separator || !enabled_) return;
  if (OnClick) Guarded(OnClick);
}

void ToolButton::ClickDropdownArrow() {
  if (style_ != ButtonStyle::DropDown || !enabled_ || !dropdown_) return;
  dropdown_->Popup(0, 0);
}

ToolBar::ToolBar(Form& owner) : owner_(owner) { owner.SetToolBar(this); }

ToolBar::~ToolBar() {
  if (owner_.GetToolBar() == this) owner_.SetToolBar(nullptr);
}

void ToolBar::SetImages(ImageList* images) { images_ = images; }

ToolButton& ToolBar::Append(std::unique_ptr<ToolButton> button) {
  button->bar_ = this;
  button->index_ = Count();
  buttons_.push_back(std::move(button));
  return *buttons_.back();
}

void ToolBar::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  owner_.Realign();
}

int ToolBar::Height() const { return kToolBarHeight; }

// Nothing is drawn in memory.
void ToolBar::ButtonChanged(ToolButton&) {}

StatusBar::StatusBar(Form& owner) : owner_(owner) { owner.SetStatusBar(this); }

StatusBar::~StatusBar() {
  if (owner_.GetStatusBar() == this) owner_.SetStatusBar(nullptr);
}

void StatusBar::SetSimpleText(const std::string& text) { text_ = text; }

void StatusBar::ShowProgress(const std::string& progress) {
  progress_ = progress;
  inProgress_ = true;
}

void StatusBar::EndProgress() { inProgress_ = false; }

void StatusBar::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  owner_.Realign();
}

int StatusBar::Height() const { return kStatusBarHeight; }

}  // namespace ui
