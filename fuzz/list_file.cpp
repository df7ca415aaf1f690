// List files: any bytes are read without a look outside them, and the rows the writer writes
// read back exactly.
//
// Input: one byte choosing the code page's lead bytes (none, or those of code page 932), then
// the bytes of a list file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "entries/code_page.h"
#include "fuzz_check.h"
#include "listfile/list_file_text.h"
#include "listfile/read_list_file.h"

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

std::vector<std::vector<std::string>> ReadLines() {
  std::vector<std::vector<std::string>> lines;
  ReadListFile(FilePath(), nullptr,
               [&](std::vector<std::string>& fields) { lines.push_back(std::move(fields)); });
  return lines;
}

// A text that a row can hold and a line can carry: no byte that ends a line, a line's fields
// or the file, and every double-byte character whole (a lead byte before a byte that can
// follow one).
bool Writable(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' || byte == '\0' || byte == 0x1A) return false;
    if (IsLeadByte(byte)) {
      if (i + 1 >= text.size()) return false;
      const auto second = static_cast<unsigned char>(text[++i]);
      if (second < 0x40 || second == 0x7F || second > 0xFC) return false;
    }
  }
  return true;
}

std::string Joined(const ui::ListItem& row) {
  return row.caption + "|" + row.subItems[0] + "|" + row.subItems[1];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  UseLeadByteRanges(data[0] & 1
                        ? std::vector<std::pair<uint8_t, uint8_t>>{{0x81, 0x9F}, {0xE0, 0xFC}}
                        : std::vector<std::pair<uint8_t, uint8_t>>{});
  ++data;
  --size;

  // All the bytes as one line, from a buffer of exactly their size: a look past its end is
  // a read outside it.
  std::unique_ptr<char[]> exact(new char[size ? size : 1]);
  if (size) std::memcpy(exact.get(), data, size);
  SplitListLine(std::string_view(exact.get(), size));

  WriteFile(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<ui::ListItem> rows;
  for (const std::vector<std::string>& fields : ReadLines()) {
    if (fields.size() < 3 || !Writable(fields[0]) || !Writable(fields[1]) || !Writable(fields[2])) {
      continue;
    }
    rows.push_back(ui::ListItem{fields[0], {fields[1], fields[2]}});
  }

  const std::string text = ListFileText(rows);
  WriteFile(text);
  const std::vector<std::vector<std::string>> again = ReadLines();
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
