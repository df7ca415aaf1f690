#include <cstdio>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/headless/form_impl.h"
#include "ui/hooks.h"

namespace ui {

namespace {

// Every box is of one fixed size, on the fixed screen.
using headless::kScreenHeight;
using headless::kScreenWidth;
constexpr int kBoxWidth = 300;
constexpr int kBoxHeight = 130;

}  // namespace

void ShowMessageBox(Form*, const std::string& text, const std::string& caption, BoxIcon icon, int x,
                    int y) {
  testing::ShownBox box{caption, text, icon, (kScreenWidth - kBoxWidth) / 2,
                        (kScreenHeight - kBoxHeight) / 2};
  if (x >= 0) box.left = x;
  if (y >= 0) box.top = y;
  if (hooks::boxShown && hooks::boxShown(box)) return;
  // Nobody answers it: show it, so that an unexpected one is seen.
  std::fprintf(stderr, "[message box %s] %s: %s\n",
               icon == BoxIcon::Error ? "error" : "information", caption.c_str(), text.c_str());
}

}  // namespace ui
