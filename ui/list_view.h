// The report-style list: rows of texts kept by the component and shown by the control.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/list_item.h"

namespace ui {

class Form;
class PopupMenu;

enum class ItemChange { Text, Image, State };
enum class SortType { None, Text };

namespace detail {
// The control side of a list, made by each build. The list view owns the rows and their
// texts; the control keeps the selection, the focus and the in-place editor, and tells the
// list view of state changes and edits through ListView::NotifyChange, ListView::EditBegun
// and ListView::EndEdit.
struct ListNative {
  virtual ~ListNative() = default;
  virtual void ColumnAdded(int index, const std::string& caption, int width) = 0;
  virtual void ColumnCaptionChanged(int index, const std::string& caption) = 0;
  virtual void RowsAppended(int newCount) = 0;        // rows appended at the end; raises nothing
  virtual void RowDeleting(int index) = 0;            // before the row goes: clears its state first
  virtual void RowsChanged(int first, int last) = 0;  // texts changed: repaint them
  // Several rows go at once (positions ascending): their state is cleared first, as for
  // RowDeleting. The default removes them one by one from the bottom up.
  virtual void RowsDeleting(const std::vector<int>& ascending) {
    for (auto it = ascending.rbegin(); it != ascending.rend(); ++it) RowDeleting(*it);
  }
  // After a sort: newOrder[i] is the old position of the row now at position i. The control
  // moves the selection and the focus along with their rows, raising no notification.
  virtual void RowsReordered(const std::vector<int>& newOrder) = 0;

  virtual int SelectedCount() const = 0;
  virtual int NextSelected(int after) const = 0;  // -1 starts; -1 when none
  virtual bool Selected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;  // a state notification if changed
  // Selects every row, touching nothing but the selected state. The default sets each row.
  virtual void SelectAll(int count) {
    for (int i = 0; i < count; ++i) SetSelected(i, true);
  }
  virtual int Focused() const = 0;  // -1 when none
  virtual void SetFocused(int index) = 0;
  virtual void SetFocus() = 0;  // keyboard focus to the list
  // Scrolls the list as little as needed for the row to be seen whole.
  virtual void EnsureVisible(int index) = 0;
  virtual bool RowVisible(int index) const = 0;  // the row is seen whole

  virtual void SetRedraw(bool on) = 0;  // the list and its header
  virtual void Repaint() = 0;

  virtual void EditLabel(int index) = 0;
  virtual bool Editing() const = 0;  // an editor exists and is visible
  // End the open editor as Enter and Escape do: the end is reported through EndEdit.
  virtual void CommitEditor() = 0;
  virtual void CancelEditor() = 0;
  virtual void SendDeleteKeyToEditor() = 0;
  virtual std::string EditorText() const = 0;
};
// Where row `position` is once the rows `ascending` (in ascending order) are deleted; `gone`
// when it is one of them.
int PositionAfterDeleting(const std::vector<int>& ascending, int position, int gone);

}  // namespace detail

class ListView {
 public:
  explicit ListView(Form& owner);
  ~ListView();
  ListView(const ListView&) = delete;
  ListView& operator=(const ListView&) = delete;

  void AddColumn(const std::string& caption, int width);
  void SetColumnCaption(int index, const std::string& caption);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const std::string& ColumnCaption(int index) const { return columns_.at(index).caption; }
  int ColumnWidth(int index) const { return columns_.at(index).width; }
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
  PopupMenu* GetPopupMenu() const { return popupMenu_; }

  // Rows.
  int Count() const { return static_cast<int>(rows_.size()); }
  const ListItem& Item(int index) const { return rows_.at(index); }
  int Add();  // a new empty row after the last; raises no notification; returns its position
  // Stores the caption, raises a Text notification and, in sort type Text, sorts at once.
  // Inside a bulk update the notification comes once, for the last caption stored, when the
  // outermost bulk update closes: a batch of rows is counted once, not row by row.
  void SetCaption(int index, const std::string& text);
  void AddSubItem(int index, std::string text);  // raises nothing, never sorts
  // Stores ListItem::listedTime and listedCaptionDigest; raises nothing, never sorts.
  void SetListedTime(int index, uint64_t time, uint64_t captionDigest);
  // Which rows are marked: asked of a row whenever its caption or listed time is stored, and
  // kept in ListItem::marked, which moves and goes with the row.
  std::function<bool(const ListItem& row)> OnMark;
  int MarkedCount() const { return markedCount_; }
  void Delete(int index);  // a selected row raises a State notification first
  // Removes every selected row in one pass (no shift of the whole list per row).
  void DeleteSelected();
  // Raised after rows were removed (the control raises no item-changed notification then).
  std::function<void()> OnDeleted;

  // Selection and focus, kept by the control.
  int SelectedCount() const;
  int NextSelected(int after) const;
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  void SelectAll();  // the selected state of every row; focus and other states stay
  int FocusedIndex() const;
  void SetFocused(int index);
  void SetFocus();
  void EnsureVisible(int index) { native_->EnsureVisible(index); }
  bool RowVisible(int index) const { return native_->RowVisible(index); }

  // Sorting: Sort orders every row ascending by OnCompare's sign, whatever the sort type.
  SortType GetSortType() const { return sortType_; }
  void SetSortType(SortType type);  // switching from None to Text sorts
  void Sort();
  std::function<int(const ListItem& a, const ListItem& b)> OnCompare;

  // Bulk update, nesting: the outermost BeginUpdate remembers the sort type, switches it to
  // None and stops painting; the matching EndUpdate restores it (so a Text list sorts once)
  // and paints the whole list again.
  void BeginUpdate();
  void EndUpdate();
  int UpdateDepth() const { return updateDepth_; }

  // In-place editing of a caption. An open edit belongs to the row it was opened on: it is
  // committed into that row before rows move (a sort, a deletion, another edit), and its end
  // names that row wherever it stands; an edit whose row went ends without a word.
  void EditCaption(int index);
  bool Editing() const;
  void SendDeleteKeyToEditor();
  std::string EditorText() const;
  // The end of an edit: text is what was typed, or null when the edit was cancelled.
  std::function<void(int index, const std::string* text)> OnEdited;

  // Raised for every item-changed notification of the control whose changed part is the
  // text, the image or the state.
  std::function<void(int index, ItemChange change)> OnChange;
  std::function<void(int column)> OnColumnClick;

  // Entry points for the control side. EndEdit's index is the control's, used only for an
  // edit whose beginning the list view did not hear of.
  void NotifyChange(int index, ItemChange change);
  void EditBegun(int index);
  void EndEdit(int index, const std::string* text);
  void ColumnClicked(int column);
  detail::ListNative& Native() const { return *native_; }
  Form& Owner() const { return owner_; }

 private:
  struct Column {
    std::string caption;
    int width;
  };
  class Follow;
  class Moving;
  // Puts the rows in `order` (order[i] is the old position of the row going to i).
  void PlaceRows(const std::vector<int>& order);
  // Ends an open edit, stored in its own row, before rows move.
  void CommitEdit();
  // Asks OnMark of the row again and keeps the count; repaints it when its mark changes.
  void Remark(int index);
  // Moves every row position held across a change: the open edit's row, the row of the
  // pending caption notification and those followed.
  void Remap(const std::function<int(int)>& newPosition);

  Form& owner_;
  std::vector<Column> columns_;
  std::vector<ListItem> rows_;
  PopupMenu* popupMenu_ = nullptr;
  SortType sortType_ = SortType::None;
  SortType savedSortType_ = SortType::None;
  int updateDepth_ = 0;
  int markedCount_ = 0;
  // The row of the last caption stored in the open bulk update; -1 none, -2 its row went.
  int textChanged_ = -1;
  int editRow_ = -1;            // the row of the open edit; -1 none, -2 its row went
  std::vector<int*> followed_;  // positions that follow their rows (innermost last)
  int moving_ = 0;              // rows are moving: an edit that ends now is finished after
  bool endedWhileMoving_ = false;
  std::optional<std::string> endedText_;
  std::unique_ptr<detail::ListNative> native_;
};

namespace detail {
// Made by each build for a list view of a form.
std::unique_ptr<ListNative> MakeListNative(ListView& list, Form& owner);
}  // namespace detail

}  // namespace ui
