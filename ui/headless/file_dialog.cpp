// File dialogs without a screen: the answers that tests script stand for what a user picks,
// shaped as the system shapes them.
#include <cstdio>
#include <stdexcept>

#include "platform/files.h"
#include "platform/utf.h"
#include "ui/file_dialog.h"
#include "ui/hooks.h"

namespace ui::detail {
namespace {

std::string FirstDescription(const std::string& filter) {
  return filter.substr(0, filter.find('|'));
}

size_t NameStart(const std::string& path) {
  const size_t slash = path.rfind(platform::kPathDelimiter);
  return slash == std::string::npos ? 0 : slash + 1;
}

bool HasExtension(const std::string& path) {
  return path.find('.', NameStart(path)) != std::string::npos;
}

// The system adds the default extension to a typed name without one; the open dialog does
// so only when a file of that name exists.
std::string WithDefaultExt(const FileDialog& dialog, const std::string& path) {
  if (dialog.DefaultExt().empty() || HasExtension(path)) return path;
  const std::string extended = path + "." + dialog.DefaultExt();
  if (dialog.Kind() == FileDialogKind::Save) return extended;
  const bool exists = platform::ReadAttributes(extended) != platform::kInvalidAttributes;
  return exists ? extended : path;
}

// The characters (UTF-16 units, as the wide dialog counts them) of a piece of a text.
size_t Units(const std::string& text, size_t from = 0, size_t count = std::string::npos) {
  return platform::Utf8ToUtf16(std::string_view(text).substr(from, count)).size();
}

// The characters that the answer takes as the system lays it out: one full path, or the
// folder and each name, with a zero between them.
size_t AnswerLength(const std::vector<std::string>& files) {
  if (files.size() == 1) return Units(files[0]);
  size_t length = Units(files[0], 0, NameStart(files[0])) + files.size() - 1;  // folder, zeros
  for (const std::string& file : files) length += Units(file, NameStart(file));
  return length;
}

}  // namespace

bool RunFileDialog(const FileDialog& dialog, std::vector<std::string>& files) {
  if (!hooks::fileDialogAnswer) {
    // Nobody can answer here: say so, so that an unexpected dialog is seen.
    std::fprintf(stderr, "[file dialog] nobody answers it: cancelled\n");
    return false;
  }
  const FileDialogOptions& options = dialog.Options();
  // The dialog opens in the folder of the name it was given and shows the name alone.
  const std::string& name = dialog.FileName();
  std::vector<std::string> answer = hooks::fileDialogAnswer(
      {dialog.Kind() == FileDialogKind::Save, name.substr(NameStart(name)),
       FirstDescription(dialog.Filter()), !options.hideReadOnly, options.enableSizing});
  if (answer.empty()) return false;
  if (answer.size() > 1 && (dialog.Kind() == FileDialogKind::Save || !options.allowMultiSelect))
    throw std::invalid_argument("several files answered to a dialog that takes one");
  if (answer.size() == 1) answer[0] = WithDefaultExt(dialog, answer[0]);
  if (AnswerLength(answer) > FileDialog::kMaxAnswer) return false;
  files = std::move(answer);
  return true;
}

}  // namespace ui::detail
