#include "app/long_work.h"

#include <string>

#include "app/form1.h"
#include "app/show_command.h"
#include "core/errors.h"

namespace {

std::string ProgressText(WorkStep step, uint64_t done, uint64_t total) {
  switch (step) {
    case WorkStep::Collect:
      return FormatMessageText("収集中 %s 個…", GroupedNumber(done));
    case WorkStep::List:
      return "一覧作成中 " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Load:
      return FormatMessageText("読み込み中 %s 行…", GroupedNumber(done));
    case WorkStep::Update:
      return "更新中 " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Taken:
      return "撮影日時 " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Named:
      return "ファイル名の日時 " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Shifted:
      return "日時をずらす " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Undo:
      return "元に戻す " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Reread:
      return "日時の読み直し " + GroupedNumber(done) + " / " + GroupedNumber(total);
    case WorkStep::Folders:
      return "フォルダの日時 " + GroupedNumber(done) + " / " + GroupedNumber(total);
  }
  return {};
}

}  // namespace

std::string GroupedNumber(uint64_t value) {
  std::string digits = std::to_string(value);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

LongWork::LongWork(TForm1& form) : form_(form), outer_(form.work_) { form.work_ = this; }

LongWork::~LongWork() {
  form_.work_ = outer_;
  if (!outer_) form_.StatusBar1.EndProgress();
}

bool LongWork::Advance(WorkStep step, uint64_t done, uint64_t total) {
  if (!busy_.Due()) return stopped_;
  // Paths named on the command line are collected before the window shows: a long walk
  // shows it early, so that its progress can be seen and stopped.
  if (!form_.Visible()) form_.Show(InitialShowCommand());
  form_.StatusBar1.ShowProgress(ProgressText(step, done, total));
  const bool escape = busy_.KeepAlive();
  if (escape && step != WorkStep::List && step != WorkStep::Update && step != WorkStep::Undo)
    stopped_ = true;
  return stopped_;
}

bool TForm1::Progress(WorkStep step, uint64_t done, uint64_t total) {
  return work_ && work_->Advance(step, done, total);
}
