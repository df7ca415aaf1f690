// Reading a list file into rows.
#include "app/errors.h"
#include "app/form1.h"
#include "listfile/list_lines.h"

namespace {

// A line that lacks the field raises the list error with its index.
const std::string& Field(const std::vector<std::string>& fields, int index) {
  if (index >= static_cast<int>(fields.size())) throw ListIndexError(index);
  return fields[index];
}

}  // namespace

void TForm1::LoadListFile(const std::string& path) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) throw EInOutError(file.OpenError());
  ListLines lines(file);
  std::string line;
  uint64_t read = 0;
  while (!Progress(WorkStep::Load, read++) && lines.Next(line)) {
    const std::vector<std::string> fields = SplitListLine(line);
    // The row comes first and takes its texts one by one, so a short line leaves a row
    // with the texts before the missing one.
    const int row = ListView1.Add();
    ListView1.SetCaption(row, Field(fields, 0));
    ListView1.AddSubItem(row, Field(fields, 1));
    ListView1.AddSubItem(row, Field(fields, 2));
  }
}
