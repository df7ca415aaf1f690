// Answering the in-memory file dialogs: the scripted answer is what the user picks.
#include "ui/hooks.h"
#include "ui/testing/file_dialog_script.h"

namespace ui::testing::detail {
namespace {

std::vector<std::string> Answer(const ShownFileDialog& shown) {
  return TakeFileDialogAnswer(shown);
}

}  // namespace

void AnswerFileDialogsNatively(bool on) { hooks::fileDialogAnswer = on ? Answer : nullptr; }

}  // namespace ui::testing::detail
