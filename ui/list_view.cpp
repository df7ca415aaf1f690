#include "ui/list_view.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "ui/application.h"
#include "ui/busy.h"
#include "ui/form.h"

namespace ui {

namespace {
constexpr int kNoRow = -1;
constexpr int kRowGone = -2;
}  // namespace

// Holds a row position across a change that may move rows (such as the commit of an open
// edit, which sorts): the position follows its row.
class ListView::Follow {
 public:
  Follow(ListView& list, int& position) : list_(list) { list.followed_.push_back(&position); }
  ~Follow() { list_.followed_.pop_back(); }
  Follow(const Follow&) = delete;
  Follow& operator=(const Follow&) = delete;

 private:
  ListView& list_;
};

// While rows move, the control may end an open edit on its own; that end is finished when
// the move is complete, with the edit's row where it now stands.
class ListView::Moving {
 public:
  explicit Moving(ListView& list) : list_(list) { ++list.moving_; }
  ~Moving() {
    if (--list_.moving_ > 0 || !list_.endedWhileMoving_) return;
    list_.endedWhileMoving_ = false;
    const std::optional<std::string> text = std::move(list_.endedText_);
    list_.EndEdit(kNoRow, text ? &*text : nullptr);
  }
  Moving(const Moving&) = delete;
  Moving& operator=(const Moving&) = delete;

 private:
  ListView& list_;
};

ListView::ListView(Form& owner) : owner_(owner), native_(detail::MakeListNative(*this, owner)) {
  owner.SetClient(this);
}

ListView::~ListView() = default;

void ListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back({caption, width});
  native_->ColumnAdded(ColumnCount() - 1, caption, width);
}

void ListView::SetColumnCaption(int index, const std::string& caption) {
  columns_.at(index).caption = caption;
  native_->ColumnCaptionChanged(index, caption);
}

int ListView::Add() {
  rows_.emplace_back();
  native_->RowsAppended(Count());
  Remark(Count() - 1);
  return Count() - 1;
}

void ListView::Remark(int index) {
  ListItem& row = rows_[index];
  const bool marked = OnMark && OnMark(row);
  if (marked == static_cast<bool>(row.marked)) return;
  row.marked = marked;
  markedCount_ += marked ? 1 : -1;
}

void ListView::SetCaption(int index, const std::string& text) {
  rows_.at(index).caption = text;
  Remark(index);
  native_->RowsChanged(index, index);
  if (updateDepth_ > 0) {
    textChanged_ = index;  // told once, when the bulk update closes
  } else {
    NotifyChange(index, ItemChange::Text);
  }
  if (sortType_ == SortType::Text) Sort();
}

void ListView::AddSubItem(int index, std::string text) {
  rows_.at(index).subItems.push_back(std::move(text));
  native_->RowsChanged(index, index);
}

void ListView::SetListedTime(int index, uint64_t time, uint64_t captionDigest) {
  ListItem& row = rows_.at(index);
  row.listedTime = time;
  row.listedCaptionDigest = captionDigest;
  const bool marked = row.marked;
  Remark(index);
  if (marked != static_cast<bool>(row.marked)) native_->RowsChanged(index, index);
}

void ListView::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("list index");
  {
    Follow follow(*this, index);
    CommitEdit();
  }
  {
    Moving moving(*this);
    Remap([index](int p) { return p == index ? kRowGone : p > index ? p - 1 : p; });
    native_->RowDeleting(index);
    if (rows_[index].marked) --markedCount_;
    rows_.erase(rows_.begin() + index);
  }
  if (OnDeleted) Guarded(OnDeleted);
}

int detail::PositionAfterDeleting(const std::vector<int>& ascending, int position, int gone) {
  const auto below = std::lower_bound(ascending.begin(), ascending.end(), position);
  if (below != ascending.end() && *below == position) return gone;
  return position - static_cast<int>(below - ascending.begin());
}

void ListView::DeleteSelected() {
  CommitEdit();
  std::vector<int> gone;
  gone.reserve(SelectedCount());
  for (int i = NextSelected(-1); i >= 0; i = NextSelected(i)) gone.push_back(i);
  if (gone.empty()) return;
  {
    Moving moving(*this);
    Remap([&gone](int p) { return detail::PositionAfterDeleting(gone, p, kRowGone); });
    native_->RowsDeleting(gone);
    // Compact the survivors in one pass.
    size_t next = 0, kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
      if (next < gone.size() && gone[next] == static_cast<int>(i)) {
        if (rows_[i].marked) --markedCount_;
        ++next;
        continue;
      }
      if (kept != i) rows_[kept] = std::move(rows_[i]);
      ++kept;
    }
    rows_.resize(kept);
  }
  if (OnDeleted) Guarded(OnDeleted);
}

int ListView::SelectedCount() const { return native_->SelectedCount(); }
int ListView::NextSelected(int after) const { return native_->NextSelected(after); }
bool ListView::Selected(int index) const { return native_->Selected(index); }
void ListView::SetSelected(int index, bool selected) { native_->SetSelected(index, selected); }
void ListView::SelectAll() { native_->SelectAll(Count()); }
int ListView::FocusedIndex() const { return native_->Focused(); }
void ListView::SetFocused(int index) { native_->SetFocused(index); }
void ListView::SetFocus() { native_->SetFocus(); }

void ListView::SetSortType(SortType type) {
  if (sortType_ == type) return;
  sortType_ = type;
  if (type == SortType::Text) Sort();
}

void ListView::Sort() {
  if (!OnCompare || Count() < 2) return;
  CommitEdit();
  std::vector<int> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  // A merge sort stays within bounds even if a comparison were inconsistent. A long sort
  // inside long work keeps the window painting; the rows do not move until it is done.
  BusyScope* busy = BusyScope::Current();
  unsigned comparisons = 0;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (busy && (++comparisons & 0x3FFF) == 0) busy->KeepAlive();
    return OnCompare(rows_[a], rows_[b]) < 0;
  });
  Moving moving(*this);
  PlaceRows(order);
  if (editRow_ >= 0 || textChanged_ >= 0 || !followed_.empty()) {
    std::vector<int> position(order.size());
    for (size_t to = 0; to < order.size(); ++to) position[order[to]] = static_cast<int>(to);
    Remap([&position](int p) { return position[p]; });
  }
  native_->RowsReordered(order);
  native_->RowsChanged(0, Count() - 1);
}

// Each row goes to its new place by following the cycles of the order, so that no second
// copy of all the rows is needed.
void ListView::PlaceRows(const std::vector<int>& order) {
  std::vector<bool> placed(order.size());
  for (size_t start = 0; start < order.size(); ++start) {
    if (placed[start] || order[start] == static_cast<int>(start)) continue;
    ListItem held = std::move(rows_[start]);
    size_t to = start;
    for (;;) {
      placed[to] = true;
      const auto from = static_cast<size_t>(order[to]);
      if (from == start) {
        rows_[to] = std::move(held);
        break;
      }
      rows_[to] = std::move(rows_[from]);
      to = from;
    }
  }
}

void ListView::BeginUpdate() {
  if (updateDepth_ == 0) {
    savedSortType_ = sortType_;
    SetSortType(SortType::None);
    native_->SetRedraw(false);
  }
  ++updateDepth_;
}

void ListView::EndUpdate() {
  --updateDepth_;
  if (updateDepth_ == 0) {
    // A row that went since its caption was stored is not reported.
    const int changed = std::exchange(textChanged_, kNoRow);
    if (changed >= 0) NotifyChange(changed, ItemChange::Text);
    SetSortType(savedSortType_);
    native_->SetRedraw(true);
    native_->Repaint();
  }
}

void ListView::EditCaption(int index) {
  {
    Follow follow(*this, index);
    CommitEdit();
  }
  native_->EditLabel(index);
}
bool ListView::Editing() const { return native_->Editing(); }
void ListView::SendDeleteKeyToEditor() { native_->SendDeleteKeyToEditor(); }
std::string ListView::EditorText() const { return native_->EditorText(); }

void ListView::NotifyChange(int index, ItemChange change) {
  if (OnChange) Guarded([&] { OnChange(index, change); });
}

void ListView::CommitEdit() {
  if (editRow_ == kNoRow || moving_ > 0 || !native_->Editing()) return;
  if (editRow_ == kRowGone) {
    native_->CancelEditor();
  } else {
    native_->CommitEditor();
  }
}

void ListView::Remap(const std::function<int(int)>& newPosition) {
  if (editRow_ >= 0) editRow_ = newPosition(editRow_);
  if (textChanged_ >= 0) textChanged_ = newPosition(textChanged_);
  for (int* position : followed_) {
    if (*position >= 0) *position = newPosition(*position);
  }
}

void ListView::EditBegun(int index) { editRow_ = index; }

void ListView::EndEdit(int index, const std::string* text) {
  if (moving_ > 0) {
    endedWhileMoving_ = true;
    endedText_ = text ? std::optional<std::string>(*text) : std::nullopt;
    return;
  }
  const int row = editRow_ != kNoRow ? editRow_ : index;
  editRow_ = kNoRow;
  if (row == kRowGone || row >= Count()) return;  // the row went while it was edited
  if (OnEdited) Guarded([&] { OnEdited(row, text); });
}

void ListView::ColumnClicked(int column) {
  if (OnColumnClick) Guarded([&] { OnColumnClick(column); });
}

}  // namespace ui
