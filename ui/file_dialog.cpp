#include "ui/file_dialog.h"

namespace ui {

bool FileDialog::Execute() {
  std::vector<std::string> files;
  if (!detail::RunFileDialog(*this, files) || files.empty()) return false;
  files_ = std::move(files);
  fileName_ = files_.front();
  return true;
}

}  // namespace ui
