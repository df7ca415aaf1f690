// The in-memory state of a form: bounds, show state, layout and keyboard focus.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/shortcut.h"

namespace ui {

namespace headless {

// A control that can hold the keyboard focus.
class KeyTarget {
 public:
  virtual ~KeyTarget() = default;
  virtual void KeyDown(uint16_t key) = 0;
  virtual void Chars(const std::string& text) = 0;
  virtual void FocusLost() {}
};

// A fixed window frame, as at 96 dpi with the classic theme: 8 pixels of border on each
// side, a 23-pixel caption and a 20-pixel menu bar (only while a menu bar is attached).
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 8 + 23 + 8;
constexpr int kMenuBarHeight = 20;
// One monitor of a fixed size, with no task bar: its work area is the whole screen.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// A key posted to a form and not taken yet (ui::testing::PostKey): long work throws it away
// when it looks at the input; otherwise the message loop hands it to its form.
struct PostedKey {
  Form* form;
  ShortCut key;
};
std::vector<PostedKey>& PostedKeys();
// Whether long work shows the wait cursor.
bool& Busy();
// A key pressed in the form, as the message loop hands it on: the menus see it first, as
// shortcuts are translated before dispatching; otherwise the focused control gets it (the
// controls here handle no Ctrl combinations).
void DeliverKey(Form& form, ShortCut key);

}  // namespace headless

struct Form::Impl {
  // Nothing in memory places windows: every form starts at the origin, with no size.
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = false, maximized = false, minimized = false;
  std::string fontFace;
  int fontHeight = 0, fontCharset = 0;

  headless::KeyTarget* focus = nullptr;
  // Moves the keyboard focus; the control that had it hears of the loss afterwards, as
  // WM_KILLFOCUS reaches it after the focus has moved.
  void SetFocus(headless::KeyTarget* target) {
    headless::KeyTarget* old = focus;
    if (old == target) return;
    focus = target;
    if (old) old->FocusLost();
  }
};

}  // namespace ui
