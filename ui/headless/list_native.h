// The list control in memory: per-row selection, the focused row and the in-place editor,
// with the item-changed notifications that the real report-style list control raises.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/headless/form_impl.h"
#include "ui/headless/line_editor.h"
#include "ui/list_view.h"

namespace ui::headless {

class ListNative : public detail::ListNative, private KeyTarget {
 public:
  ListNative(ListView& list, Form& owner);
  ~ListNative() override;

  static ListNative& Of(ListView& list) { return static_cast<ListNative&>(list.Native()); }

  void ColumnAdded(int index, const std::string& caption, int width) override;
  void ColumnCaptionChanged(int index, const std::string& caption) override;
  void RowsAppended(int newCount) override;
  void RowDeleting(int index) override;
  void RowsDeleting(const std::vector<int>& ascending) override;
  void RowsChanged(int first, int last) override;
  void RowsReordered(const std::vector<int>& newOrder) override;

  int SelectedCount() const override;
  int NextSelected(int after) const override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  void SelectAll(int count) override;
  int Focused() const override { return focused_; }
  void SetFocused(int index) override;
  void SetFocus() override;
  void EnsureVisible(int index) override;
  bool RowVisible(int index) const override;

  void SetRedraw(bool on) override { redraw_ = on; }
  void Repaint() override { ++repaints_; }

  void EditLabel(int index) override;
  bool Editing() const override { return editor_.has_value(); }
  void CommitEditor() override { CloseEditor(true); }
  void CancelEditor() override { CloseEditor(false); }
  void SendDeleteKeyToEditor() override;
  std::string EditorText() const override;

  // A left click on a row: the list takes the focus, the row becomes the only selected one
  // and the focused one.
  void ClickRow(int index);

 private:
  // The editor takes the keys while it has the focus, and commits when it loses it.
  class EditorFocus : public KeyTarget {
   public:
    explicit EditorFocus(ListNative& list) : list_(list) {}
    void KeyDown(uint16_t key) override { list_.EditorKey(key); }
    void Chars(const std::string& text) override;
    void FocusLost() override { list_.CloseEditor(true); }

   private:
    ListNative& list_;
  };
  struct Editor {
    int row;
    LineEditor line;
  };

  // The list itself ignores keys and characters.
  void KeyDown(uint16_t) override {}
  void Chars(const std::string&) override {}

  // Rows of a fixed height under a header, as the real control shows them at 96 dpi.
  static constexpr int kHeaderHeight = 21;
  static constexpr int kRowHeight = 17;
  int RowsPerPage() const;
  bool InRange(int index) const { return index >= 0 && index < static_cast<int>(selected_.size()); }
  // One state change of one row (LVM_SETITEMSTATE): a notification when anything changed.
  void SetState(int index, std::optional<bool> select, std::optional<bool> focus);
  void SelectAlone(int index);
  void MarkAll(bool selected);  // every row at once, one notification for row -1
  void EditorKey(uint16_t key);
  void CloseEditor(bool commit);

  ListView& list_;
  Form& owner_;
  struct Column {
    std::string caption;
    int width;
  };
  std::vector<Column> columns_;
  std::vector<char> selected_;
  int selectedCount_ = 0;  // kept with selected_: the commands ask for it at every change
  int focused_ = -1;
  int top_ = 0;  // the first row shown, before the list is clamped to its rows
  bool redraw_ = true;
  int repaints_ = 0;
  EditorFocus editorFocus_{*this};
  std::optional<Editor> editor_;
  bool ending_ = false;
};

}  // namespace ui::headless
