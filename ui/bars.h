// The toolbar with its buttons and image list, and the status bar.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;
class PopupMenu;
class ToolBar;
namespace win32 {
void RescaleToolBar(ToolBar& bar);
}  // namespace win32

// Images drawn for the program, kept as resources: a strip of width x height images (at 96
// dpi). At a higher DPI the images drawn for it are shown: the strip's resource name with
// the size appended (TOOLBAR24, TOOLBAR32).
class ImageList {
 public:
  ImageList(Form& owner, int width, int height);
  ~ImageList();
  // Adds the images of a bitmap strip resource, each with a transparency mask.
  void AddStrip(const std::string& resourceName, int count);
  int Count() const { return count_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The images' size as shown, in pixels, and the images again at the present DPI.
  int ShownSize() const { return shown_; }
  void Rescale();
  void* NativeHandle() const { return native_; }

 private:
  int width_, height_;
  int shown_;
  int count_ = 0;
  std::vector<std::string> strips_;
  void* native_ = nullptr;
};

enum class ButtonStyle { Button, DropDown, Separator };

class ToolButton {
 public:
  ButtonStyle Style() const { return style_; }
  const std::string& Hint() const { return hint_; }
  int ImageIndex() const { return image_; }
  int SeparatorWidth() const { return separatorWidth_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);  // no native call when unchanged
  PopupMenu* DropdownMenu() const { return dropdown_; }

  std::function<void()> OnClick;
  void Click();               // the button's face, as a click does (while enabled)
  void ClickDropdownArrow();  // opens the drop-down menu under the arrow

 private:
  friend class ToolBar;
  class ToolBar* bar_ = nullptr;
  int index_ = 0;
  ButtonStyle style_ = ButtonStyle::Button;
  std::string hint_;
  int image_ = -1;
  int separatorWidth_ = 0;
  bool enabled_ = true;
  PopupMenu* dropdown_ = nullptr;
};

// Flat toolbar along the top edge of its form, showing hints as tooltips and no captions.
class ToolBar {
 public:
  explicit ToolBar(Form& owner);
  ~ToolBar();
  void SetImages(ImageList* images);
  ToolButton& AddButton(const std::string& hint, int image);
  ToolButton& AddDropDownButton(const std::string& hint, int image, PopupMenu* menu);
  ToolButton& AddSeparator(int width);
  int Count() const { return static_cast<int>(buttons_.size()); }
  ToolButton& Button(int index) const { return *buttons_.at(index); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);  // the form lays itself out again
  int Height() const;             // fitted to the buttons, the border included
  // Room in pixels (at 96 dpi) kept free around the buttons, inside Height.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int pixels);

  // For the native side.
  void ButtonChanged(ToolButton& button);
  void* NativeHandle() const { return native_; }

 private:
  ToolButton& Append(std::unique_ptr<ToolButton> button);
  friend void win32::RescaleToolBar(ToolBar& bar);
  Form& owner_;
  ImageList* images_ = nullptr;
  std::vector<std::unique_ptr<ToolButton>> buttons_;
  bool visible_ = true;
  int borderWidth_ = 0;
  void* native_ = nullptr;
};

// Status bar along the bottom edge, one text over its whole width.
class StatusBar {
 public:
  explicit StatusBar(Form& owner);
  ~StatusBar();
  const std::string& SimpleText() const { return text_; }
  void SetSimpleText(const std::string& text);  // also while hidden; no native call when unchanged
  // A second part at the right end, shown while its text is not empty; the first text then
  // takes the rest of the width. Progress covers both.
  const std::string& SecondText() const { return second_; }
  void SetSecondText(const std::string& text);
  // Long work shows its progress in place of the text, at once, until it ends; the text
  // itself stays what it is.
  void ShowProgress(const std::string& progress);
  void EndProgress();
  bool InProgress() const { return inProgress_; }
  const std::string& ShownText() const { return inProgress_ ? progress_ : text_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int Height() const;  // 19 pixels at 96 dpi

  void* NativeHandle() const { return native_; }

 private:
  Form& owner_;
  std::string text_;
  std::string second_;
  std::string progress_;
  bool inProgress_ = false;
  bool visible_ = true;
  void* native_ = nullptr;
};

}  // namespace ui
