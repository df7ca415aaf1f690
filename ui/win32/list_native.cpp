#include "ui/win32/list_native.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

namespace detail {
std::unique_ptr<ListNative> MakeListNative(ListView& list, Form& owner) {
  return std::make_unique<win32::ListNative>(list, owner);
}
}  // namespace detail

namespace win32 {

namespace {

// Above this many rows a change repaints the whole list: the control would otherwise
// invalidate row by row.
constexpr int kRowsRedrawnSingly = 64;

// Sets a flag for the length of a scope.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag), saved_(flag) { flag = true; }
  ~FlagGuard() { flag_ = saved_; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

// The text into the control's buffer of `size` units, cut short where it must be, but never
// between the two halves of a surrogate pair.
void CopyText(const std::wstring& text, wchar_t* buffer, int size) {
  size_t length = std::min<size_t>(text.size(), static_cast<size_t>(size) - 1);
  if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
  std::copy_n(text.begin(), length, buffer);
  buffer[length] = L'\0';
}

}  // namespace

ListNative::ListNative(ListView& list, Form& owner) : list_(list), owner_(owner) {
  InitControls();
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                      LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, 0, 0, 0, 0,
                          win32::Hwnd(owner), nullptr, Instance(), nullptr);
  if (!hwnd_) throw std::runtime_error("list view creation failed");
  if (HFONT font = owner.impl().font) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  owner.impl().notifyHandlers[hwnd_] = [this](NMHDR& header) { return OnNotify(header); };
}

ListNative::~ListNative() {
  owner_.impl().notifyHandlers.erase(hwnd_);
  if (owner_.GetClient() == &list_) owner_.SetClient(nullptr);
  DestroyWindow(hwnd_);
}

const std::string* ListNative::Text(int row, int column) const {
  if (row < 0 || row >= list_.Count() || column < 0) return nullptr;
  const ListItem& item = list_.Item(row);
  if (column == 0) return &item.caption;
  if (column - 1 < static_cast<int>(item.subItems.size())) return &item.subItems[column - 1];
  return nullptr;  // a missing sub-item shows as an empty cell
}

LRESULT ListNative::OnNotify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::string* text = Text(item.iItem, item.iSubItem);
        CopyText(text ? Wide(*text) : std::wstring(), item.pszText, item.cchTextMax);
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      if (quiet_) return 0;
      const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
      switch (change.uChanged) {
        case LVIF_TEXT:
          list_.NotifyChange(change.iItem, ItemChange::Text);
          break;
        case LVIF_IMAGE:
          list_.NotifyChange(change.iItem, ItemChange::Image);
          break;
        case LVIF_STATE:
          list_.NotifyChange(change.iItem, ItemChange::State);
          break;
      }
      return 0;
    }
    case LVN_ODSTATECHANGED:
      if (!quiet_) {
        list_.NotifyChange(reinterpret_cast<NMLVODSTATECHANGE&>(header).iFrom, ItemChange::State);
      }
      return 0;
    case NM_CUSTOMDRAW:
      return markFont_.CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header), list_, hwnd_);
    case LVN_COLUMNCLICK:
      list_.ColumnClicked(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return 0;
    case LVN_BEGINLABELEDITW:
      list_.EditBegun(reinterpret_cast<NMLVDISPINFOW&>(header).item.iItem);
      WatchEditor();
      return FALSE;  // every edit is allowed
    case LVN_ENDLABELEDITW: {
      const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
      if (item.pszText) {
        const std::string text = Narrow(item.pszText);
        EditEnded(item.iItem, &text);
      } else {
        EditEnded(item.iItem, nullptr);
      }
      // The list keeps the texts: the control has nothing to store.
      return FALSE;
    }
  }
  return 0;
}

void ListNative::WatchEditor() {
  escaped_ = false;
  editor_ = Editor();
  if (editor_) SetWindowSubclass(editor_, EditorProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ListNative::EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) {
  auto& list = *reinterpret_cast<ListNative*>(self);
  if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) list.escaped_ = true;
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, EditorProc, id);
    if (list.editor_ == hwnd) list.editor_ = nullptr;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void ListNative::EditEnded(int row, const std::string* typed) {
  // Some controls report a commit of an empty or unchanged text as a cancel. Only Escape
  // (or the editor going away) cancels, so a text-less end of a live editor commits what
  // the editor holds.
  std::string held;
  if (!typed && !escaped_ && editor_ && IsWindow(editor_)) {
    held = WindowText(editor_);
    typed = &held;
  }
  list_.EndEdit(row, typed);
}

void ListNative::ColumnAdded(int index, const std::string& caption, int width) {
  const std::wstring text = Wide(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = Scale(width);
  column.pszText = const_cast<wchar_t*>(text.c_str());
  column.iSubItem = index;
  SendMessageW(hwnd_, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void ListNative::ColumnCaptionChanged(int index, const std::string& caption) {
  std::wstring text = Wide(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = text.data();
  SendMessageW(hwnd_, LVM_SETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

// Queries need no flush: rows not yet counted by the control are neither selected nor
// focused.
void ListNative::Flush() {
  if (pendingCount_ < 0) return;
  const int count = pendingCount_;
  pendingCount_ = -1;
  SetItemCount(count);
}

void ListNative::SetItemCount(int count) {
  SendMessageW(hwnd_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

void ListNative::SetState(int index, UINT state, UINT mask) const {
  LVITEMW item{};
  item.state = state;
  item.stateMask = mask;
  SendMessageW(hwnd_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void ListNative::SetControlRedraw(bool on) const {
  // The header is back before the list lays its rows out below it again.
  const auto header = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
  if (!on) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  if (header) SendMessageW(header, WM_SETREDRAW, on, 0);
  if (on) SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
}

void ListNative::RowsAppended(int newCount) {
  if (!redraw_) {
    pendingCount_ = newCount;
    return;
  }
  Flush();
  SetItemCount(newCount);
}

void ListNative::RowDeleting(int index) {
  Flush();
  SendMessageW(hwnd_, LVM_DELETEITEM, index, 0);
}

void ListNative::RowsDeleting(const std::vector<int>& ascending) {
  Flush();
  if (ascending.empty()) return;
  const int count = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
  const int selected = SelectedCount();
  bool onlySelected = selected == static_cast<int>(ascending.size());
  for (size_t i = 0; onlySelected && i < ascending.size(); ++i)
    onlySelected = Selected(ascending[i]);
  if (!onlySelected) {
    detail::ListNative::RowsDeleting(ascending);
    return;
  }
  // Exactly the selected rows go: one state change clears them, one message shortens the
  // list, and the focus moves up with its row.
  int focus = Focused();
  if (focus >= 0) focus = detail::PositionAfterDeleting(ascending, focus, -1);
  SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  {
    FlagGuard quiet(quiet_);
    SetItemCount(count - static_cast<int>(ascending.size()));
    if (focus >= 0) SetState(focus, LVIS_FOCUSED, LVIS_FOCUSED);
  }
  if (redraw_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListNative::RowsChanged(int first, int last) {
  if (!redraw_) return;
  Flush();
  if (last - first < kRowsRedrawnSingly) {
    SendMessageW(hwnd_, LVM_REDRAWITEMS, first, last);
  } else {
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
}

void ListNative::RowsReordered(const std::vector<int>& newOrder) {
  Flush();
  const int count = static_cast<int>(newOrder.size());
  const int selected = SelectedCount();
  const int focus = Focused();
  if ((selected == 0 || selected == count) && focus < 0) return;
  std::vector<int> position(count);
  for (int i = 0; i < count; ++i) position[newOrder[i]] = i;

  std::vector<int> moved;  // new positions of the selected rows, when any of them moved
  if (selected > 0 && selected < count) {
    bool anyMoved = false;
    for (int row = NextSelected(-1); row >= 0 && row < count; row = NextSelected(row)) {
      moved.push_back(position[row]);
      anyMoved = anyMoved || position[row] != row;
    }
    if (!anyMoved) moved.clear();
  }
  const bool focusMoved = focus >= 0 && focus < count && position[focus] != focus;
  if (moved.empty() && !focusMoved) return;

  FlagGuard quiet(quiet_);
  // The control would invalidate every row it touches: paint once afterwards instead.
  const bool pause = redraw_ && moved.size() > kRowsRedrawnSingly;
  if (pause) SetControlRedraw(false);
  if (!moved.empty()) {
    SetState(-1, 0, LVIS_SELECTED);
    for (int row : moved) SetState(row, LVIS_SELECTED, LVIS_SELECTED);
  }
  if (focusMoved) SetState(position[focus], LVIS_FOCUSED, LVIS_FOCUSED);
  const int mark = static_cast<int>(SendMessageW(hwnd_, LVM_GETSELECTIONMARK, 0, 0));
  if (mark >= 0 && mark < count) SendMessageW(hwnd_, LVM_SETSELECTIONMARK, 0, position[mark]);
  if (pause) SetControlRedraw(true);
}

int ListNative::SelectedCount() const {
  return static_cast<int>(SendMessageW(hwnd_, LVM_GETSELECTEDCOUNT, 0, 0));
}

int ListNative::NextSelected(int after) const {
  return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, after, LVNI_SELECTED));
}

bool ListNative::Selected(int index) const {
  return SendMessageW(hwnd_, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED;
}

void ListNative::SetSelected(int index, bool selected) {
  Flush();
  SetState(index, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListNative::SelectAll(int /*count*/) {
  Flush();
  SetState(-1, LVIS_SELECTED, LVIS_SELECTED);
}

int ListNative::Focused() const {
  return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
}

void ListNative::SetFocused(int index) {
  Flush();
  if (index >= 0) {
    SetState(index, LVIS_FOCUSED, LVIS_FOCUSED);
  } else if (const int focus = Focused(); focus >= 0) {
    SetState(focus, 0, LVIS_FOCUSED);
  }
}

void ListNative::SetFocus() { ::SetFocus(hwnd_); }

void ListNative::EnsureVisible(int index) {
  Flush();
  SendMessageW(hwnd_, LVM_ENSUREVISIBLE, index, FALSE);
}

bool ListNative::RowVisible(int index) const {
  const int top = static_cast<int>(SendMessageW(hwnd_, LVM_GETTOPINDEX, 0, 0));
  const int page = static_cast<int>(SendMessageW(hwnd_, LVM_GETCOUNTPERPAGE, 0, 0));
  return index >= top && index < top + page;
}

void ListNative::SetRedraw(bool on) {
  redraw_ = on;
  if (on) Flush();
  SetControlRedraw(on);
}

void ListNative::Repaint() {
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (auto header = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0))) {
    InvalidateRect(header, nullptr, TRUE);
  }
  UpdateWindow(hwnd_);
}

void ListNative::EditLabel(int index) {
  Flush();
  ::SetFocus(hwnd_);
  SendMessageW(hwnd_, LVM_EDITLABELW, index, 0);
}

HWND ListNative::Editor() const {
  return reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETEDITCONTROL, 0, 0));
}

bool ListNative::Editing() const {
  const HWND editor = Editor();
  return editor && IsWindowVisible(editor);
}

// The control's editor ends itself on these keys as when they are typed.
void ListNative::EditorKeyDown(UINT key) const {
  if (const HWND editor = Editor()) SendMessageW(editor, WM_KEYDOWN, key, 0);
}

void ListNative::CommitEditor() { EditorKeyDown(VK_RETURN); }
void ListNative::CancelEditor() { EditorKeyDown(VK_ESCAPE); }
void ListNative::SendDeleteKeyToEditor() { EditorKeyDown(VK_DELETE); }

std::string ListNative::EditorText() const { return WindowText(Editor()); }

}  // namespace win32
}  // namespace ui
