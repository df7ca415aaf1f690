// The answers that tests script for the input boxes, and what each box showed.
#include <deque>
#include <utility>

#include "ui/hooks.h"
#include "ui/testing.h"

namespace ui::testing {
namespace {

struct Script {
  std::deque<std::optional<std::string>> answers;
  std::vector<ShownInputBox> shown;
};

Script& TheScript() {
  static Script script;
  return script;
}

void Shown(const ShownInputBox& shown) { TheScript().shown.push_back(shown); }

std::optional<std::string> NextAnswer() {
  Script& script = TheScript();
  if (script.answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(script.answers.front());
  script.answers.pop_front();
  return answer;
}

}  // namespace

void AnswerInputBoxes(std::vector<std::optional<std::string>> answers) {
  TheScript().answers.assign(answers.begin(), answers.end());
  hooks::inputBoxShown = Shown;
  hooks::inputBoxAnswer = NextAnswer;
}

std::vector<ShownInputBox> TakeInputBoxes() { return std::exchange(TheScript().shown, {}); }

size_t StopAnsweringInputBoxes() {
  Script& script = TheScript();
  hooks::inputBoxShown = nullptr;
  hooks::inputBoxAnswer = nullptr;
  script.shown.clear();
  return std::exchange(script.answers, {}).size();
}

}  // namespace ui::testing
