// Walking named paths into the collected path list. The window passes over a folder that
// cannot be listed without a word, but tells, once the rows are in, of the folders it could
// not read to their end.
#include "app/form1.h"
#include "entries/walk.h"
#include "ui/application.h"

namespace {

constexpr size_t kPathsShown = 5;

}  // namespace

void TForm1::CollectPath(const std::string& path, CollectedPaths& list) {
  WalkReports reports;
  reports.cutShort = [this](const std::string& folder, uint32_t) {
    walkTrouble_.cutShort.push_back(folder);
  };
  WalkPath(path, list, Watcher(), reports);
}

void TForm1::ShowWalkTrouble() {
  const WalkTrouble trouble = std::move(walkTrouble_);
  walkTrouble_ = {};
  if (!trouble.cutShort.empty()) {
    std::string text;
    for (size_t i = 0; i < trouble.cutShort.size() && i < kPathsShown; ++i) {
      if (i > 0) text += "\r\n";
      text += "フォルダ " + trouble.cutShort[i] + " を最後まで読めませんでした。";
    }
    if (trouble.cutShort.size() > kPathsShown) text += "\r\n...";
    ui::ShowMessageBox(this, text, "エラー", ui::BoxIcon::Error);
  }
}
