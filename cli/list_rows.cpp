#include "cli/list_rows.h"

#include "cli/messages.h"
#include "core/errors.h"
#include "listfile/read_list_file.h"

bool ReadListRows(const std::string& list, const WorkProgress& watcher, const RowCheck& check,
                  Console& console, Rows& rows) {
  bool good = true;
  uint64_t line = 0;
  auto report = [&](const std::exception& error) {
    console.Report(LineMessage(list, line, error.what()));
    good = false;
  };
  try {
    ReadListFile(list, watcher, [&](std::vector<std::string>& fields) {
      ++line;
      try {
        ui::ListItem row{ListField(fields, 0), {ListField(fields, 1), ListField(fields, 2)}};
        check(row);
        rows.push_back(std::move(row));
      } catch (const EListError& error) {
        report(error);
      } catch (const EConvertError& error) {
        report(error);
      }
    });
  } catch (const EInOutError& error) {
    console.Report(ProgramMessage(PathMessage(list, error.what())));
    good = false;
  }
  return good;
}
