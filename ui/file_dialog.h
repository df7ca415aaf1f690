// The system's file-open and file-save dialogs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

class Form;

struct FileDialogOptions {
  bool allowMultiSelect = false;  // several files at once (open)
  bool hideReadOnly = false;      // no "open as read-only" check box
  bool enableSizing = false;      // the user may resize the dialog
  bool overwritePrompt = false;   // asks before an existing file is chosen (save)
  bool fileMustExist = false;     // refuses a typed name that does not exist (open)
};

enum class FileDialogKind { Open, Save };

class FileDialog {
 public:
  // The answer holds at most this many characters of file names (with the zeros between
  // them); a selection that does not fit counts as a cancel.
  static constexpr size_t kMaxAnswer = 65519;

  FileDialog(Form& owner, FileDialogKind kind) : owner_(owner), kind_(kind) {}
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;

  Form& Owner() const { return owner_; }
  FileDialogKind Kind() const { return kind_; }
  // Pairs of description and pattern, all joined by "|": "テキスト|*.txt".
  void SetFilter(const std::string& filter) { filter_ = filter; }
  const std::string& Filter() const { return filter_; }
  // Added, without its dot, to a typed name that has no extension.
  void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetOptions(const FileDialogOptions& options) { options_ = options; }
  const FileDialogOptions& Options() const { return options_; }

  // The name the dialog opens with: after a confirmed Execute, the file chosen (the first
  // of several), so each dialog offers its last choice again.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  // The full paths chosen in the last confirmed Execute, in the order the dialog gave them.
  const std::vector<std::string>& Files() const { return files_; }

  // Shows the dialog modally; false when it was cancelled.
  bool Execute();

 private:
  Form& owner_;
  FileDialogKind kind_;
  std::string filter_, defaultExt_, fileName_;
  FileDialogOptions options_;
  std::vector<std::string> files_;
};

class OpenDialog : public FileDialog {
 public:
  explicit OpenDialog(Form& owner) : FileDialog(owner, FileDialogKind::Open) {}
};

class SaveDialog : public FileDialog {
 public:
  explicit SaveDialog(Form& owner) : FileDialog(owner, FileDialogKind::Save) {}
};

namespace detail {
// Made by each build: shows the dialog and fills `files` with the chosen full paths; false
// when it was cancelled.
bool RunFileDialog(const FileDialog& dialog, std::vector<std::string>& files);
}  // namespace detail

}  // namespace ui
