#include <algorithm>
#include <stdexcept>

#include "ui/application.h"
#include "ui/menu.h"

namespace ui {

namespace {

// Clicks running now (a click may open a modal loop that runs another), and the items
// removed meanwhile: a handler may remove its own item, which must outlive its click.
int clicksRunning = 0;
std::vector<std::unique_ptr<MenuItem>>& RemovedDuringClicks() {
  static std::vector<std::unique_ptr<MenuItem>> removed;
  return removed;
}

}  // namespace

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() = default;

void MenuItem::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::SetShortCut(ShortCut shortcut) {
  if (shortcut_ == shortcut) return;
  shortcut_ = shortcut;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::SetRadioItem(bool on) {
  if (radioItem_ == on) return;
  radioItem_ = on;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::SetAccessKeyFirst(bool on) {
  if (accessKeyFirst_ == on) return;
  accessKeyFirst_ = on;
  if (native_) native_->ItemChanged(*this);
}

void MenuItem::Click() {
  if (!OnClick) return;
  ++clicksRunning;
  Guarded([this] { OnClick(*this); });
  if (--clicksRunning == 0) RemovedDuringClicks().clear();
}

int MenuItem::IndexInParent() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->items_;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

MenuItem& MenuItem::Add(std::unique_ptr<MenuItem> item) { return Insert(Count(), std::move(item)); }

MenuItem& MenuItem::Insert(int index, std::unique_ptr<MenuItem> item) {
  if (index < 0 || index > Count()) throw std::out_of_range("menu index");
  MenuItem& added = *item;
  added.parent_ = this;
  items_.insert(items_.begin() + index, std::move(item));
  added.SetNative(native_);
  if (native_) native_->ChildInserted(*this, index);
  return added;
}

void MenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("menu index");
  if (native_) native_->ChildRemoving(*this, index);
  std::unique_ptr<MenuItem> removed = std::move(items_[index]);
  items_.erase(items_.begin() + index);
  removed->parent_ = nullptr;
  removed->SetNative(nullptr);
  if (clicksRunning > 0) RemovedDuringClicks().push_back(std::move(removed));
}

MenuItem* MenuItem::FindShortCut(ShortCut shortcut) {
  if (shortcut.Empty()) return nullptr;
  for (auto& child : items_) {
    if (!child->enabled_) continue;  // a disabled item, or anything inside a disabled submenu
    if (child->shortcut_ == shortcut) return child.get();
    if (MenuItem* found = child->FindShortCut(shortcut)) return found;
  }
  return nullptr;
}

void MenuItem::SetNative(detail::MenuNative* native) {
  native_ = native;
  for (auto& child : items_) child->SetNative(native);
}

}  // namespace ui
