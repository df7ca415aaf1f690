// Edit, Delete, Select all and Replace, and the end of an in-place edit.
#include "app/form1.h"
#include "ui/bulk_update.h"

void TForm1::Edit2Click() {
  if (ListView1.SelectedCount() <= 0) return;
  ListView1.SetFocus();
  ListView1.EditCaption(ListView1.NextSelected(-1));
}

void TForm1::ListView1Edited(int item, const std::string* text) {
  if (!text || item < 0) return;  // cancelled, or no row
  // Stored exactly as typed; it is read as a date only when the dates are applied.
  ListView1.SetCaption(item, *text);
}

void TForm1::Delete1Click() {
  if (ListView1.SelectedCount() <= 0) return;
  if (ListView1.Editing()) {
    // Del is this command's shortcut: while a date text is edited it deletes text there.
    ListView1.SendDeleteKeyToEditor();
    return;
  }
  {
    BulkUpdate bulk(ListView1);
    ListView1.DeleteSelected();
  }
  UpdateStatusText();
}

void TForm1::SelectAll1Click() {
  BulkUpdate bulk(ListView1);
  ListView1.SelectAll();
}

void TForm1::Replace1Click() {
  if (ListView1.SelectedCount() == 0) return;
  const std::string text = ListView1.Item(ListView1.NextSelected(-1)).caption;
  BulkUpdate bulk(ListView1);
  const int count = ListView1.Count();
  for (int i = 0; i < count; ++i) ListView1.SetCaption(i, text);
}

void TForm1::SelectRows(const std::vector<int>& rows) {
  ListView1.SetSelected(-1, false);
  for (int row : rows) ListView1.SetSelected(row, true);
  if (rows.empty()) return;
  ListView1.SetFocused(rows.front());
  ListView1.EnsureVisible(rows.front());
}
