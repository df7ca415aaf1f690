// The answers that tests script for the file dialogs, and what each dialog showed.
#include "ui/testing/file_dialog_script.h"

#include <deque>
#include <utility>

namespace ui::testing {
namespace {

struct Script {
  std::deque<std::vector<std::string>> answers;
  std::vector<ShownFileDialog> shown;
};

Script& TheScript() {
  static Script script;
  return script;
}

}  // namespace

std::vector<std::string> detail::TakeFileDialogAnswer(ShownFileDialog shown) {
  Script& script = TheScript();
  script.shown.push_back(std::move(shown));
  if (script.answers.empty()) return {};
  std::vector<std::string> answer = std::move(script.answers.front());
  script.answers.pop_front();
  return answer;
}

void AnswerFileDialogs(std::vector<std::vector<std::string>> answers) {
  Script& script = TheScript();
  detail::AnswerFileDialogsNatively(true);
  script.answers.assign(answers.begin(), answers.end());
}

std::vector<ShownFileDialog> TakeFileDialogs() { return std::exchange(TheScript().shown, {}); }

size_t StopAnsweringFileDialogs() {
  Script& script = TheScript();
  detail::AnswerFileDialogsNatively(false);
  script.shown.clear();
  return std::exchange(script.answers, {}).size();
}

}  // namespace ui::testing
