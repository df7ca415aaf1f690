#include <cstdio>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/headless/form_impl.h"
#include "ui/testing.h"

namespace ui {

namespace {

// Every box is of one fixed size, on the fixed screen.
using headless::kScreenHeight;
using headless::kScreenWidth;
constexpr int kBoxWidth = 300;
constexpr int kBoxHeight = 130;

struct BoxLog {
  bool recording = false;
  std::vector<testing::ShownBox> boxes;
};

BoxLog& Log() {
  static BoxLog log;
  return log;
}

}  // namespace

void ShowMessageBox(Form*, const std::string& text, const std::string& caption, BoxIcon icon, int x,
                    int y) {
  testing::ShownBox box{caption, text, icon, (kScreenWidth - kBoxWidth) / 2,
                        (kScreenHeight - kBoxHeight) / 2};
  if (x >= 0) box.left = x;
  if (y >= 0) box.top = y;
  BoxLog& log = Log();
  if (log.recording) {
    log.boxes.push_back(std::move(box));
    return;
  }
  // Nobody answers a box outside recording: show it, so that an unexpected one is seen.
  std::fprintf(stderr, "[message box %s] %s: %s\n",
               icon == BoxIcon::Error ? "error" : "information", caption.c_str(), text.c_str());
}

namespace testing {

void RecordBoxes(bool on) {
  BoxLog& log = Log();
  log.recording = on;
  if (on) log.boxes.clear();  // a new recording starts empty
}

std::vector<ShownBox> TakeBoxes() { return std::exchange(Log().boxes, {}); }

int ScreenWidth() { return kScreenWidth; }
int ScreenHeight() { return kScreenHeight; }

}  // namespace testing

}  // namespace ui
