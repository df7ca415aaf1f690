// One line of a list file split into its field texts.
#include <algorithm>

#include "entries/code_page.h"
#include "listfile/read_list_file.h"

namespace {

// The space and every control character, tab and line feed included.
bool IsBlank(char byte) { return byte >= 0x01 && byte <= 0x20; }

// The position after the byte at `pos`, or after the double-byte character that it starts.
size_t NextChar(std::string_view line, size_t pos, size_t end, bool doubleByte) {
  return doubleByte && IsLeadByte(static_cast<unsigned char>(line[pos])) && pos + 1 < end ? pos + 2
                                                                                          : pos + 1;
}

}  // namespace

std::vector<std::string> SplitListLine(std::string_view line, bool doubleByte) {
  // A NUL ends the line: nothing after it counts.
  const size_t end = std::min(line.find('\0'), line.size());
  std::vector<std::string> fields;
  size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < end && IsBlank(line[pos])) ++pos;
  };
  skipBlanks();
  while (pos < end) {
    std::string field;
    if (line[pos] == '"') {
      // Up to the next quote that is not one of a pair; a pair stands for one quote. A
      // field whose closing quote is missing runs to the end of the line.
      size_t run = ++pos;
      bool closed = false;
      while (pos < end && !closed) {
        if (line[pos] != '"') {
          pos = NextChar(line, pos, end, doubleByte);
          continue;
        }
        field.append(line.substr(run, pos - run));
        if (pos + 1 < end && line[pos + 1] == '"') {
          field += '"';
          pos += 2;
          run = pos;
        } else {
          ++pos;
          closed = true;
        }
      }
      if (!closed) field.append(line.substr(run, pos - run));
    } else {
      // Up to a blank or a comma; text right after a closing quote starts here too.
      const size_t start = pos;
      while (pos < end && !IsBlank(line[pos]) && line[pos] != ',')
        pos = NextChar(line, pos, end, doubleByte);
      field.assign(line.substr(start, pos - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (pos < end && line[pos] == ',') {
      ++pos;
      skipBlanks();
    }
  }
  return fields;
}
