// The answers that tests script for the file dialogs, kept for both builds.
#pragma once

#include <string>
#include <vector>

#include "ui/testing.h"

namespace ui::detail {

bool AnsweringFileDialogs();
// Records what a dialog showed and takes its answer: the files chosen, none for a cancel.
std::vector<std::string> TakeFileDialogAnswer(testing::ShownFileDialog shown);

}  // namespace ui::detail
