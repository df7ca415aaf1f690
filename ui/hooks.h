// Where tests take the place of the user. Each hook is null in the program, which then waits
// for the user; only the testing library (ui/testing.h) sets them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/testing.h"

namespace ui::hooks {

// Told of every message box once it is placed on the screen; true answers it with OK at once.
extern bool (*boxShown)(const testing::ShownBox& box);

// The system's file dialog, which `show` opens and which returns what it returns: the hook
// runs it and answers it as a user would (win32).
extern bool (*fileDialog)(bool save, const std::function<bool()>& show);
// The files a user picks in a dialog that shows this, none for a cancel (headless, which
// has no dialog to answer).
extern std::vector<std::string> (*fileDialogAnswer)(const testing::ShownFileDialog& shown);

// Input boxes (ui/input_box.h): told what a box showed once it settled, then asked for each
// text a user types and confirms with Enter; none stands for Esc.
extern void (*inputBoxShown)(const testing::ShownInputBox& shown);
extern std::optional<std::string> (*inputBoxAnswer)();

// Long work: how often it lets the windows paint and looks at the input, and what runs at
// each of those moments (ui/busy.h).
struct KeepAlive {
  uint64_t interval = 100;  // milliseconds
  std::function<void()> callback;
};
extern const KeepAlive* keepAlive;

}  // namespace ui::hooks
