#include "listedit/sort.h"

#include "app/form1.h"

int SortColumn = 0;

namespace {

const std::string& TextOf(const ui::ListItem& item, int column) {
  static const std::string empty;
  if (column == 0) return item.caption;
  const size_t k = static_cast<size_t>(column - 1);
  return k < item.subItems.size() ? item.subItems[k] : empty;  // a missing cell sorts as empty
}

}  // namespace

void TForm1::ListView1Compare(const ui::ListItem& item1, const ui::ListItem& item2, int,
                              int& compare) {
  compare = CompareCaseless(TextOf(item1, SortColumn), TextOf(item2, SortColumn));
}

void TForm1::ListView1ColumnClick(ui::ListView& sender, int column) {
  SortColumn = column;
  sender.Sort();
}

void TForm1::SortDate1Click() { ListView1ColumnClick(ListView1, 0); }
void TForm1::SortPath1Click() { ListView1ColumnClick(ListView1, 1); }
void TForm1::SortExt1Click() { ListView1ColumnClick(ListView1, 2); }
