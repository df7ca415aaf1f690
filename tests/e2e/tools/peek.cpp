// Reads what the running horodex.exe shows, from another process, for the end-to-end
// scenarios: the status line, the rows of the list, and the message box on the screen.
//
//   horodex_peek status   the status bar's text
//   horodex_peek rows     one line per row, its cells joined by tabs
//   horodex_peek editor   the text in the list's in-place editor
//   horodex_peek box      the title of the message box shown, a tab, its text
//
// Texts go to standard output as UTF-8, each line ended by LF. Exits 1 when the window, the
// editor or the box is not there (yet), 2 on a wrong command.
//
// The controls' own messages carry pointers that only mean something in the program's
// process, so their buffers are made there (VirtualAllocEx) and read back.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

void Print(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

HWND Child(HWND parent, const wchar_t* className) {
  return FindWindowExW(parent, nullptr, className, nullptr);
}

// Memory in the process that owns a window, freed on every way out.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) {
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Ok() const { return address_ != nullptr; }
  char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
  void Write(size_t offset, const void* data, size_t size) const {
    WriteProcessMemory(process_, At(offset), data, size, nullptr);
  }
  std::wstring ReadText(size_t offset, size_t units) const {
    std::wstring text(units, L'\0');
    ReadProcessMemory(process_, At(offset), text.data(), units * sizeof(wchar_t), nullptr);
    text.resize(wcsnlen(text.c_str(), units));
    return text;
  }

 private:
  size_t size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

constexpr size_t kUnits = 4096;

int Status(HWND main) {
  const HWND bar = Child(main, STATUSCLASSNAMEW);
  if (!bar) return 1;
  RemoteBuffer buffer(bar, kUnits * sizeof(wchar_t));
  if (!buffer.Ok()) return 1;
  const wchar_t zero = 0;
  buffer.Write(0, &zero, sizeof zero);
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.At(0)));
  Print(Utf8(buffer.ReadText(0, kUnits)));
  return 0;
}

int Rows(HWND main) {
  const HWND list = Child(main, WC_LISTVIEWW);
  if (!list) return 1;
  const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  RemoteBuffer buffer(list, sizeof(LVITEMW) + kUnits * sizeof(wchar_t));
  if (!buffer.Ok()) return 1;
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(buffer.At(sizeof item));
      item.cchTextMax = kUnits;
      buffer.Write(0, &item, sizeof item);
      const wchar_t zero = 0;
      buffer.Write(sizeof item, &zero, sizeof zero);
      SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buffer.At(0)));
      if (column > 0) line += '\t';
      line += Utf8(buffer.ReadText(sizeof item, kUnits));
    }
    Print(line);
  }
  return 0;
}

// WM_GETTEXT is carried across processes by the system itself.
std::wstring Text(HWND window) {
  std::vector<wchar_t> text(kUnits, L'\0');
  SendMessageW(window, WM_GETTEXT, kUnits, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

int Editor(HWND main) {
  const HWND list = Child(main, WC_LISTVIEWW);
  const auto editor =
      list ? reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0)) : nullptr;
  if (!editor || !IsWindowVisible(editor)) return 1;
  Print(Utf8(Text(editor)));
  return 0;
}

int Box() {
  HWND box = nullptr;
  while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr))) {
    if (!IsWindowVisible(box)) continue;
    HWND text = GetDlgItem(box, 0xFFFF);  // the box's text item (100 in older Wine)
    if (!text) text = GetDlgItem(box, 100);
    if (!text) continue;
    Print(Utf8(Text(box)) + "\t" + Utf8(Text(text)));
    return 0;
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string command = argv[1];
  if (command == "box") return Box();
  const HWND main = FindWindowW(L"HorodexWindow", nullptr);
  if (!main) return 1;
  if (command == "status") return Status(main);
  if (command == "rows") return Rows(main);
  if (command == "editor") return Editor(main);
  return 2;
}
