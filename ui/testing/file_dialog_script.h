// The answers that tests script for the file dialogs, kept for both builds.
#pragma once

#include <string>
#include <vector>

#include "ui/testing.h"

namespace ui::testing::detail {

// Records what a dialog showed and takes its answer: the files chosen, none for a cancel.
std::vector<std::string> TakeFileDialogAnswer(ShownFileDialog shown);
// Each build's side: sets its hook (ui/hooks.h) while tests answer, and clears it.
void AnswerFileDialogsNatively(bool on);

}  // namespace ui::testing::detail
