// Walking named paths into the collected path list. The window passes over a folder that
// cannot be listed without a word, but tells, once the rows are in, of the paths it left out
// for their names and of the folders it could not read to their end.
#include <cstdio>

#include "app/form1.h"
#include "entries/walk.h"
#include "ui/application.h"

namespace {

constexpr size_t kPathsShown = 5;

// The first paths, one a line, and "..." for the rest.
std::string PathLines(const std::vector<std::string>& paths) {
  std::string lines;
  for (size_t i = 0; i < paths.size() && i < kPathsShown; ++i) lines += "\r\n" + paths[i];
  if (paths.size() > kPathsShown) lines += "\r\n...";
  return lines;
}

}  // namespace

void TForm1::CollectPath(const std::string& path, CollectedPaths& list) {
  WalkReports reports;
  reports.cutShort = [this](const std::string& folder, uint32_t) {
    walkTrouble_.cutShort.push_back(folder);
  };
  reports.unnamable = [this](const std::string& path) { walkTrouble_.unnamable.push_back(path); };
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
  if (!trouble.unnamable.empty()) {
    char count[96];
    std::snprintf(count, sizeof count, "%d ", static_cast<int>(trouble.unnamable.size()));
    ui::ShowMessageBox(this,
                       count +
                           std::string("個のファイルまたはフォルダは、名前に扱えない文字がある"
                                       "ため一覧に加えていません。") +
                           PathLines(trouble.unnamable),
                       "情報", ui::BoxIcon::Information);
  }
}
