#include "ui/bars.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ui {

namespace {
// The height of the real toolbar at 96 dpi: a flat toolbar fitted to 16-pixel images.
constexpr int kToolBarHeight = 28;
}  // namespace

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

}  // namespace ui
