// The toolbar's buttons, as both builds describe them; Append makes the native button.
#include <memory>

#include "ui/bars.h"
#include "ui/form.h"

namespace ui {

ToolButton& ToolBar::AddButton(const std::string& hint, int image) {
  auto button = std::make_unique<ToolButton>();
  button->hint_ = hint;
  button->image_ = image;
  return Append(std::move(button));
}

ToolButton& ToolBar::AddDropDownButton(const std::string& hint, int image, PopupMenu* menu) {
  auto button = std::make_unique<ToolButton>();
  button->style_ = ButtonStyle::DropDown;
  button->hint_ = hint;
  button->image_ = image;
  button->dropdown_ = menu;
  return Append(std::move(button));
}

void ToolBar::SetBorderWidth(int pixels) {
  borderWidth_ = pixels;
  owner_.Realign();
}

ToolButton& ToolBar::AddSeparator(int width) {
  auto button = std::make_unique<ToolButton>();
  button->style_ = ButtonStyle::Separator;
  button->separatorWidth_ = width;
  return Append(std::move(button));
}

}  // namespace ui
