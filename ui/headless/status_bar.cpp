#include "ui/bars.h"

#include "ui/form.h"

namespace ui {

namespace {
// The height of the real status bar at 96 dpi, in single-text mode.
constexpr int kStatusBarHeight = 19;
}  // namespace

StatusBar::StatusBar(Form& owner) : owner_(owner) { owner.SetStatusBar(this); }

StatusBar::~StatusBar() {
  if (owner_.GetStatusBar() == this) owner_.SetStatusBar(nullptr);
}

void StatusBar::SetSimpleText(const std::string& text) { text_ = text; }
void StatusBar::SetSecondText(const std::string& text) { second_ = text; }

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
