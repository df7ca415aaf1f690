// The common file dialogs, Explorer style. Tests answer them through a hook.
#include <algorithm>
#include <cstring>

#include "ui/file_dialog.h"
#include "ui/hooks.h"
#include "ui/win32/native.h"
// After windows.h.
#include <commdlg.h>
#include <dlgs.h>

namespace ui::detail {
namespace {

constexpr DWORD kBufferSize = FileDialog::kMaxAnswer + 1;

// "a|b" as the system takes it: each part ended by a zero, and one more zero at the end. A
// "|" that is the second byte of a double-byte character stays.
std::string NativeFilter(const std::string& filter) {
  std::string result;
  for (size_t i = 0; i < filter.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(filter[i])) && i + 1 < filter.size()) {
      result += filter.substr(i++, 2);
    } else {
      result += filter[i] == '|' ? '\0' : filter[i];
    }
  }
  return result + '\0';  // and c_str's own zero
}

bool EndsWithBackslash(const std::string& path) {
  size_t i = 0, last = std::string::npos;
  while (i < path.size()) {
    last = i;
    i += IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size() ? 2 : 1;
  }
  return last != std::string::npos && path[last] == '\\';
}

// One full path; or, for several files, the folder and then each name, each ended by a zero,
// so that the name's offset follows a zero.
std::vector<std::string> ParseAnswer(const std::vector<char>& buffer, WORD fileOffset) {
  const std::string head = buffer.data();
  if (fileOffset == 0 || fileOffset > head.size() + 1 || buffer[fileOffset - 1] != '\0')
    return {head};
  const std::string folder = EndsWithBackslash(head) ? head : head + "\\";
  std::vector<std::string> files;
  for (const char* name = buffer.data() + head.size() + 1; *name; name += std::strlen(name) + 1)
    files.push_back(folder + name);
  return files;
}

}  // namespace

bool RunFileDialog(const FileDialog& dialog, std::vector<std::string>& files) {
  const FileDialogOptions& options = dialog.Options();
  const bool save = dialog.Kind() == FileDialogKind::Save;
  const std::string filter = NativeFilter(dialog.Filter());
  std::vector<char> buffer(kBufferSize, '\0');
  const std::string& name = dialog.FileName();
  std::memcpy(buffer.data(), name.data(), std::min<size_t>(name.size(), FileDialog::kMaxAnswer));

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  const HWND owner = win32::Hwnd(dialog.Owner());
  request.hwndOwner = owner && IsWindow(owner) ? owner : nullptr;
  request.lpstrFilter = dialog.Filter().empty() ? nullptr : filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = buffer.data();
  request.nMaxFile = kBufferSize;
  request.lpstrDefExt = dialog.DefaultExt().empty() ? nullptr : dialog.DefaultExt().c_str();
  request.Flags = OFN_EXPLORER;
  if (options.allowMultiSelect) request.Flags |= OFN_ALLOWMULTISELECT;
  if (options.hideReadOnly) request.Flags |= OFN_HIDEREADONLY;
  if (options.enableSizing) request.Flags |= OFN_ENABLESIZING;
  if (options.overwritePrompt) request.Flags |= OFN_OVERWRITEPROMPT;
  if (options.fileMustExist) request.Flags |= OFN_FILEMUSTEXIST;

  auto show = [&] { return (save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request)) != 0; };
  const bool chosen = hooks::fileDialog ? hooks::fileDialog(save, show) : show();
  // Not chosen: cancelled, or the names did not fit (FNERR_BUFFERTOOSMALL).
  if (!chosen) return false;
  files = options.allowMultiSelect ? ParseAnswer(buffer, request.nFileOffset)
                                   : std::vector<std::string>{buffer.data()};
  return true;
}

}  // namespace ui::detail
