// List files: any bytes are read without a look outside them, a file with the UTF-8 mark gives
// UTF-8 rows or the reader's error (never a row of other bytes), and the rows the writer
// writes read back exactly.
//
// Input: one byte choosing the ANSI code page (bit 0: 932, else UTF-8) and whether the file
// starts with the UTF-8 mark (bit 1), then the bytes of a list file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "entries/code_page.h"
#include "fuzz_check.h"
#include "listfile/list_file_text.h"
#include "listfile/read_list_file.h"
#include "platform/error_codes.h"
#include "platform/testing.h"
#include "platform/utf.h"

namespace {

const std::string& FilePath() {
  static const std::string path = "/tmp/horodex-fuzz-list-" + std::to_string(getpid()) + ".txt";
  return path;
}

void WriteFile(const std::string& text) {
  FILE* file = std::fopen(FilePath().c_str(), "wb");
  if (!file) fuzzcheck::Fail("cannot write the scratch file", FilePath());
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

// The rows of the scratch file; a file with the mark hands on UTF-8 only, and a line that is
// no UTF-8 ends it with the reader's error.
std::vector<std::vector<std::string>> ReadLines(bool marked) {
  std::vector<std::vector<std::string>> lines;
  try {
    ReadListFile(FilePath(), nullptr, [&](std::vector<std::string>& fields) {
      for (const std::string& field : fields) {
        if (marked && !platform::IsUtf8(field)) fuzzcheck::Fail("a field that is no UTF-8", field);
      }
      lines.push_back(std::move(fields));
    });
  } catch (const EInOutError& error) {
    if (!marked || error.ErrorCode() != platform::kErrorNoUnicodeTranslation) throw;
  }
  return lines;
}

// A text that a row can hold and a line can carry: no byte that ends a line or the file.
bool Writable(const std::string& text) {
  for (char c : text) {
    if (c == '\r' || c == '\0' || c == 0x1A) return false;
  }
  return true;
}

std::string Joined(const ui::ListItem& row) {
  return row.caption + "|" + row.subItems[0] + "|" + row.subItems[1];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  platform::testing::UseCodePage932(data[0] & 1);
  ReadLeadBytes();
  const bool marked = data[0] & 2;
  ++data;
  --size;

  // All the bytes as one line, from a buffer of exactly their size: a look past its end is
  // a read outside it.
  std::unique_ptr<char[]> exact(new char[size ? size : 1]);
  if (size) std::memcpy(exact.get(), data, size);
  SplitListLine(std::string_view(exact.get(), size), true);
  SplitListLine(std::string_view(exact.get(), size), false);

  // Bytes that start with the mark themselves make a marked file as well.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string file = marked ? std::string(kUtf8Mark) + bytes : bytes;
  WriteFile(file);
  std::vector<ui::ListItem> rows;
  for (const std::vector<std::string>& fields : ReadLines(file.starts_with(kUtf8Mark))) {
    if (fields.size() < 3 || !Writable(fields[0]) || !Writable(fields[1]) || !Writable(fields[2])) {
      continue;
    }
    rows.push_back(ui::ListItem{fields[0], {fields[1], fields[2]}});
  }

  const std::string text = ListFileText(rows);
  WriteFile(text);
  const std::vector<std::vector<std::string>> again = ReadLines(text.starts_with(kUtf8Mark));
  if (again.size() != rows.size()) {
    fuzzcheck::Fail(
        std::to_string(rows.size()) + " rows read back as " + std::to_string(again.size()), text);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::vector<std::string>& fields = again[i];
    if (fields.size() != 3 || fields[0] != rows[i].caption || fields[1] != rows[i].subItems[0] ||
        fields[2] != rows[i].subItems[1]) {
      fuzzcheck::Fail("row " + std::to_string(i) + " read back otherwise: " + Joined(rows[i]),
                      text);
    }
  }
  return 0;
}
