#include "listfile/read_list_file.h"

#include "core/errors.h"
#include "listfile/list_lines.h"
#include "platform/code_page.h"
#include "platform/error_codes.h"
#include "platform/utf.h"

const std::string& ListField(const std::vector<std::string>& fields, int index) {
  if (index >= static_cast<int>(fields.size())) throw ListIndexError(index);
  return fields[index];
}

void ReadListFile(const std::string& path, const WorkProgress& progress,
                  const std::function<void(std::vector<std::string>& fields)>& line) {
  platform::FileHandle file =
      platform::FileHandle::Open(path, platform::kGenericRead, platform::kShareRead,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!file.Valid()) throw EInOutError(file.OpenError());
  ListLines lines(file);
  std::string text;
  uint64_t read = 0;
  while (!(progress && progress(WorkStep::Load, read++, 0)) && lines.Next(text)) {
    if (lines.Utf8()) {
      if (!platform::IsUtf8(text)) throw EInOutError(platform::kErrorNoUnicodeTranslation);
      std::vector<std::string> fields = SplitListLine(text);
      line(fields);
      continue;
    }
    std::vector<std::string> fields = SplitListLine(text, true);
    for (std::string& field : fields) field = platform::AnsiToUtf8(field);
    line(fields);
  }
}
