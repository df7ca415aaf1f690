// The common file dialogs, Explorer style, in their wide form: names outside the code page
// are chosen and given back as themselves. Tests answer them through a hook.
#include <algorithm>
#include <cwchar>

#include "ui/file_dialog.h"
#include "ui/hooks.h"
#include "ui/win32/native.h"
// After windows.h.
#include <commdlg.h>
#include <dlgs.h>

namespace ui::detail {
namespace {

constexpr DWORD kBufferSize = FileDialog::kMaxAnswer + 1;

// "a|b" as the system takes it: each part ended by a zero, and one more zero at the end. No
// byte of a UTF-8 character other than "|" itself is "|".
std::wstring NativeFilter(const std::string& filter) {
  std::wstring result = win32::Wide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  return result + L'\0';  // and c_str's own zero
}

// One full path; or, for several files, the folder and then each name, each ended by a zero,
// so that the name's offset follows a zero.
std::vector<std::string> ParseAnswer(const std::vector<wchar_t>& buffer, WORD fileOffset) {
  const std::wstring head = buffer.data();
  if (fileOffset == 0 || fileOffset > head.size() + 1 || buffer[fileOffset - 1] != L'\0')
    return {win32::Narrow(head)};
  const std::wstring folder = !head.empty() && head.back() == L'\\' ? head : head + L'\\';
  std::vector<std::string> files;
  for (const wchar_t* name = buffer.data() + head.size() + 1; *name; name += std::wcslen(name) + 1)
    files.push_back(win32::Narrow(folder + name));
  return files;
}

}  // namespace

bool RunFileDialog(const FileDialog& dialog, std::vector<std::string>& files) {
  const FileDialogOptions& options = dialog.Options();
  const bool save = dialog.Kind() == FileDialogKind::Save;
  const std::wstring filter = NativeFilter(dialog.Filter());
  const std::wstring defaultExt = win32::Wide(dialog.DefaultExt());
  std::vector<wchar_t> buffer(kBufferSize, L'\0');
  const std::wstring name = win32::Wide(dialog.FileName());
  std::copy_n(name.begin(), std::min<size_t>(name.size(), FileDialog::kMaxAnswer), buffer.begin());

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  const HWND owner = win32::Hwnd(dialog.Owner());
  request.hwndOwner = owner && IsWindow(owner) ? owner : nullptr;
  request.lpstrFilter = dialog.Filter().empty() ? nullptr : filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = buffer.data();
  request.nMaxFile = kBufferSize;
  request.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  request.Flags = OFN_EXPLORER;
  if (options.allowMultiSelect) request.Flags |= OFN_ALLOWMULTISELECT;
  if (options.hideReadOnly) request.Flags |= OFN_HIDEREADONLY;
  if (options.enableSizing) request.Flags |= OFN_ENABLESIZING;
  if (options.overwritePrompt) request.Flags |= OFN_OVERWRITEPROMPT;
  if (options.fileMustExist) request.Flags |= OFN_FILEMUSTEXIST;

  auto show = [&] { return (save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request)) != 0; };
  const bool chosen = hooks::fileDialog ? hooks::fileDialog(save, show) : show();
  // Not chosen: cancelled, or the names did not fit (FNERR_BUFFERTOOSMALL).
  if (!chosen) return false;
  files = options.allowMultiSelect ? ParseAnswer(buffer, request.nFileOffset)
                                   : std::vector<std::string>{win32::Narrow(buffer.data())};
  return true;
}

}  // namespace ui::detail
