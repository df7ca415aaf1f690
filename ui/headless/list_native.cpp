#include "ui/headless/list_native.h"

#include <algorithm>

#include "ui/shortcut.h"
#include "ui/testing.h"

namespace ui {

namespace detail {
std::unique_ptr<ListNative> MakeListNative(ListView& list, Form& owner) {
  return std::make_unique<headless::ListNative>(list, owner);
}
}  // namespace detail

namespace headless {

ListNative::ListNative(ListView& list, Form& owner) : list_(list), owner_(owner) {}

ListNative::~ListNative() {
  Form::Impl& form = owner_.impl();
  if (form.focus == this || form.focus == &editorFocus_) form.focus = nullptr;
  if (owner_.GetClient() == &list_) owner_.SetClient(nullptr);
}

void ListNative::ColumnAdded(int index, const std::string& caption, int width) {
  const size_t at = std::min(static_cast<size_t>(index), columns_.size());
  columns_.insert(columns_.begin() + at, Column{caption, width});
}

void ListNative::ColumnCaptionChanged(int index, const std::string& caption) {
  columns_.at(static_cast<size_t>(index)).caption = caption;
}

void ListNative::RowsAppended(int newCount) { selected_.resize(newCount, 0); }

// As the real control: the row's selection and focus go first, in one notification; when
// the focused row goes, the focus passes silently to the row that takes its place (or the
// new last row). The list view keeps track of the edited row.
void ListNative::RowDeleting(int index) {
  if (!InRange(index)) return;
  const bool hadFocus = focused_ == index;
  SetState(index, false, false);
  selected_.erase(selected_.begin() + index);
  const int count = static_cast<int>(selected_.size());
  if (focused_ > index) {
    --focused_;
  } else if (hadFocus && focused_ == -1) {
    focused_ = std::min(index, count - 1);
  }
}

// Exactly the selected rows going at once, as the real list does it: one state change for
// every row, then the list is shortened and the focus moves up with its row (a focused
// row that goes leaves no focus). Any other set of rows goes one by one.
void ListNative::RowsDeleting(const std::vector<int>& ascending) {
  bool onlySelected = static_cast<int>(ascending.size()) == selectedCount_;
  for (size_t i = 0; onlySelected && i < ascending.size(); ++i) {
    onlySelected = Selected(ascending[i]);
  }
  if (!onlySelected) {
    detail::ListNative::RowsDeleting(ascending);
    return;
  }
  int focus = focused_;
  if (focus >= 0) focus = detail::PositionAfterDeleting(ascending, focus, -1);
  const bool changed = selectedCount_ > 0 || focused_ != -1;
  std::fill(selected_.begin(), selected_.end(), 0);
  selectedCount_ = 0;
  focused_ = -1;
  if (changed) list_.NotifyChange(-1, ItemChange::State);
  selected_.resize(selected_.size() - ascending.size());
  focused_ = focus;
}

void ListNative::RowsChanged(int, int) {}

void ListNative::RowsReordered(const std::vector<int>& newOrder) {
  std::vector<char> moved(selected_.size(), 0);
  int focused = -1;
  for (size_t to = 0; to < newOrder.size() && to < moved.size(); ++to) {
    const int from = newOrder[to];
    if (!InRange(from)) continue;
    moved[to] = selected_[from];
    if (from == focused_) focused = static_cast<int>(to);
  }
  selected_ = std::move(moved);
  focused_ = focused;
}

int ListNative::SelectedCount() const { return selectedCount_; }

int ListNative::NextSelected(int after) const {
  for (int i = std::max(after + 1, 0); InRange(i); ++i) {
    if (selected_[i]) return i;
  }
  return -1;
}

bool ListNative::Selected(int index) const { return InRange(index) && selected_[index]; }

// Row -1 stands for every row. The list keeps no items of its own (the list view holds
// the rows), and such a list reports a change to every row as one notification for row -1.
void ListNative::SetSelected(int index, bool selected) {
  if (index == -1) {
    MarkAll(selected);
  } else if (InRange(index)) {
    SetState(index, selected, std::nullopt);
  }
}

void ListNative::SelectAll(int) { MarkAll(true); }

void ListNative::MarkAll(bool selected) {
  const int want = selected ? static_cast<int>(selected_.size()) : 0;
  if (selectedCount_ == want) return;
  std::fill(selected_.begin(), selected_.end(), selected ? 1 : 0);
  selectedCount_ = want;
  list_.NotifyChange(-1, ItemChange::State);
}

void ListNative::SetFocused(int index) {
  if (index == -1) {
    if (focused_ == -1) return;
    focused_ = -1;
    list_.NotifyChange(-1, ItemChange::State);
  } else if (InRange(index)) {
    SetState(index, std::nullopt, true);
  }
}

void ListNative::SetFocus() { owner_.impl().SetFocus(this); }

int ListNative::RowsPerPage() const {
  int left, top, width, height;
  owner_.ClientRect(left, top, width, height);
  return std::max(1, (height - kHeaderHeight) / kRowHeight);
}

void ListNative::EnsureVisible(int index) {
  if (!InRange(index)) return;
  const int rows = static_cast<int>(selected_.size());
  top_ = std::clamp(top_, 0, std::max(0, rows - RowsPerPage()));
  if (index < top_) {
    top_ = index;
  } else if (index >= top_ + RowsPerPage()) {
    top_ = index - RowsPerPage() + 1;
  }
}

bool ListNative::RowVisible(int index) const {
  // A list scrolled past its last rows shows them at its foot.
  const int rows = static_cast<int>(selected_.size());
  const int top = std::clamp(top_, 0, std::max(0, rows - RowsPerPage()));
  return InRange(index) && index >= top && index < top + RowsPerPage();
}

// The new state is stored first; a row that takes the focus takes it from the old row,
// whose notification comes before its own.
void ListNative::SetState(int index, std::optional<bool> select, std::optional<bool> focus) {
  const bool wasSelected = selected_[index] != 0;
  const bool wasFocused = focused_ == index;
  const bool nowSelected = select.value_or(wasSelected);
  const bool nowFocused = focus.value_or(wasFocused);
  if (nowSelected == wasSelected && nowFocused == wasFocused) return;
  selected_[index] = nowSelected;
  selectedCount_ += static_cast<int>(nowSelected) - static_cast<int>(wasSelected);
  if (nowFocused && !wasFocused) {
    if (focused_ != -1) SetState(focused_, std::nullopt, false);
    focused_ = index;
  } else if (!nowFocused && wasFocused) {
    focused_ = -1;
  }
  list_.NotifyChange(index, ItemChange::State);
}

// The other rows lose their selection all at once, then the row takes the selection and
// the focus.
void ListNative::SelectAlone(int index) {
  bool othersChanged = false;
  for (int i = 0; InRange(i); ++i) {
    if (i != index && selected_[i]) {
      selected_[i] = 0;
      --selectedCount_;
      othersChanged = true;
    }
  }
  if (othersChanged) list_.NotifyChange(-1, ItemChange::State);
  SetState(index, true, true);
}

// An editor that is open already commits first (the list takes the focus from it). The
// row becomes the only selected one and the focused one, and the editor opens over it with
// all of its caption selected.
void ListNative::EditLabel(int index) {
  if (editor_) {
    SetFocus();
    CloseEditor(true);
  }
  if (!InRange(index) || index >= list_.Count()) return;
  SelectAlone(index);
  editor_.emplace(Editor{index, LineEditor(list_.Item(index).caption)});
  list_.EditBegun(index);
  owner_.impl().SetFocus(&editorFocus_);
}

void ListNative::SendDeleteKeyToEditor() {
  if (editor_) editor_->line.Delete();
}

std::string ListNative::EditorText() const {
  return editor_ ? editor_->line.Text() : std::string();
}

void ListNative::EditorFocus::Chars(const std::string& text) {
  if (list_.editor_) list_.editor_->line.Type(text);
}

void ListNative::EditorKey(uint16_t key) {
  if (!editor_) return;
  LineEditor& line = editor_->line;
  switch (key) {
    case kKeyDelete:
      line.Delete();
      break;
    case testing::kKeyBack:
      line.Back();
      break;
    case testing::kKeyHome:
      line.Home();
      break;
    case testing::kKeyEnd:
      line.End();
      break;
    case testing::kKeyLeft:
      line.Left();
      break;
    case testing::kKeyRight:
      line.Right();
      break;
    case kKeyReturn:
      CloseEditor(true);
      break;
    case kKeyEscape:
      CloseEditor(false);
      break;
    default:
      break;
  }
}

// The list hears of the end while the editor is still open; a commit carries the text as
// it stands (an empty one too), a cancel none. The focus then returns to the list.
void ListNative::CloseEditor(bool commit) {
  if (!editor_ || ending_) return;
  ending_ = true;
  const int row = editor_->row;
  const std::string text = editor_->line.Text();
  list_.EndEdit(row, commit ? &text : nullptr);
  editor_.reset();
  ending_ = false;
  if (owner_.impl().focus == &editorFocus_) owner_.impl().SetFocus(this);
}

void ListNative::ClickRow(int index) {
  SetFocus();
  if (InRange(index)) SelectAlone(index);
}

}  // namespace headless

}  // namespace ui
