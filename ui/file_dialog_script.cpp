#include "ui/file_dialog_script.h"

#include <deque>
#include <utility>

namespace ui {
namespace {

struct Script {
  bool answering = false;
  std::deque<std::vector<std::string>> answers;
  std::vector<testing::ShownFileDialog> shown;
};

Script& TheScript() {
  static Script script;
  return script;
}

}  // namespace

bool detail::AnsweringFileDialogs() { return TheScript().answering; }

std::vector<std::string> detail::TakeFileDialogAnswer(testing::ShownFileDialog shown) {
  Script& script = TheScript();
  script.shown.push_back(std::move(shown));
  if (script.answers.empty()) return {};
  std::vector<std::string> answer = std::move(script.answers.front());
  script.answers.pop_front();
  return answer;
}

void testing::AnswerFileDialogs(std::vector<std::vector<std::string>> answers) {
  Script& script = TheScript();
  script.answering = true;
  script.answers.assign(answers.begin(), answers.end());
}

std::vector<testing::ShownFileDialog> testing::TakeFileDialogs() {
  return std::exchange(TheScript().shown, {});
}

size_t testing::StopAnsweringFileDialogs() {
  Script& script = TheScript();
  script.answering = false;
  script.shown.clear();
  return std::exchange(script.answers, {}).size();
}

}  // namespace ui
