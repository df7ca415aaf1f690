// The hooks of ui/hooks.h: null unless the testing library sets them.
#include "ui/hooks.h"

namespace ui::hooks {

bool (*boxShown)(const testing::ShownBox& box) = nullptr;
bool (*fileDialog)(bool save, const std::function<bool()>& show) = nullptr;
std::vector<std::string> (*fileDialogAnswer)(const testing::ShownFileDialog& shown) = nullptr;
void (*inputBoxShown)(const testing::ShownInputBox& shown) = nullptr;
std::optional<std::string> (*inputBoxAnswer)() = nullptr;
const KeepAlive* keepAlive = nullptr;

}  // namespace ui::hooks
