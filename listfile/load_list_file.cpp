// Reading a list file into rows of the list.
#include "app/form1.h"
#include "listfile/read_list_file.h"

void TForm1::LoadListFile(const std::string& path) {
  ReadListFile(path, Watcher(), [this](std::vector<std::string>& fields) {
    // The row comes first and takes its texts one by one, so a short line leaves a row
    // with the texts before the missing one.
    const int row = ListView1.Add();
    ListView1.SetCaption(row, ListField(fields, 0));
    ListView1.AddSubItem(row, ListField(fields, 1));
    ListView1.AddSubItem(row, ListField(fields, 2));
  });
}
