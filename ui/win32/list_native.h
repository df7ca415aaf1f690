// The report-view list control behind a ListView.
#pragma once

#include "ui/list_view.h"
#include "ui/win32/list_marks.h"
#include "ui/win32/native.h"

namespace ui::win32 {

class ListNative final : public detail::ListNative {
 public:
  ListNative(ListView& list, Form& owner);
  ~ListNative() override;
  HWND Hwnd() const { return hwnd_; }

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
  int Focused() const override;
  void SetFocused(int index) override;
  void SetFocus() override;
  void EnsureVisible(int index) override;
  bool RowVisible(int index) const override;

  void SetRedraw(bool on) override;
  void Repaint() override;

  void EditLabel(int index) override;
  bool Editing() const override;
  void CommitEditor() override;
  void CancelEditor() override;
  void SendDeleteKeyToEditor() override;
  std::string EditorText() const override;

 private:
  LRESULT OnNotify(NMHDR& header);
  HWND Editor() const;
  void EditorKeyDown(UINT key) const;
  void WatchEditor();
  // The end of an edit: the typed text, or null when the edit was cancelled.
  void EditEnded(int row, const std::string* typed);
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  // Rows appended while painting is off reach the control in one message, when it is needed.
  void Flush();
  void SetItemCount(int count);
  void SetState(int index, UINT state, UINT mask) const;
  void SetControlRedraw(bool on) const;
  const std::string* Text(int row, int column) const;

  ListView& list_;
  Form& owner_;
  HWND hwnd_ = nullptr;
  bool redraw_ = true;
  int pendingCount_ = -1;
  bool quiet_ = false;  // true while state changes are the control's own business
  HWND editor_ = nullptr;
  bool escaped_ = false;  // the editor got Escape
  MarkFont markFont_;
};

inline ListNative& ListNativeOf(const ListView& list) {
  return static_cast<ListNative&>(list.Native());
}

}  // namespace ui::win32
