// The bulk update around a batch of row changes: the list neither sorts nor paints until
// the outermost one closes, then sorts once. Closed on every way out, errors included.
#pragma once

#include "ui/list_view.h"

class BulkUpdate {
 public:
  explicit BulkUpdate(ui::ListView& list) : list_(list) { list_.BeginUpdate(); }
  ~BulkUpdate() { list_.EndUpdate(); }
  BulkUpdate(const BulkUpdate&) = delete;
  BulkUpdate& operator=(const BulkUpdate&) = delete;

 private:
  ui::ListView& list_;
};
