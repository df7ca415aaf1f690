#include <deque>
#include <utility>

#include "ui/input_box.h"
#include "ui/testing.h"

namespace ui {
namespace {

struct Script {
  bool answering = false;
  std::deque<std::optional<std::string>> answers;
  std::vector<testing::ShownInputBox> shown;
};

Script& TheScript() {
  static Script script;
  return script;
}

}  // namespace

bool detail::AnsweringInputBoxes() { return TheScript().answering; }

void detail::RecordInputBox(ShownInput shown) {
  TheScript().shown.push_back(
      {std::move(shown.caption), std::move(shown.label), std::move(shown.text), shown.editFocused});
}

std::optional<std::string> detail::TakeInputAnswer() {
  Script& script = TheScript();
  if (script.answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(script.answers.front());
  script.answers.pop_front();
  return answer;
}

void testing::AnswerInputBoxes(std::vector<std::optional<std::string>> answers) {
  Script& script = TheScript();
  script.answering = true;
  script.answers.assign(answers.begin(), answers.end());
}

std::vector<testing::ShownInputBox> testing::TakeInputBoxes() {
  return std::exchange(TheScript().shown, {});
}

size_t testing::StopAnsweringInputBoxes() {
  Script& script = TheScript();
  script.answering = false;
  script.shown.clear();
  return std::exchange(script.answers, {}).size();
}

}  // namespace ui
