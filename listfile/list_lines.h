// The lines of a list file, read in large pieces: CR or CR LF ends a line, a lone LF is a
// byte of its line, the end of the file ends the last line and a Ctrl-Z ends the file. A file
// with no CR at all before its end (one written on Linux) has its lines ended by LF. A UTF-8
// byte-order mark at the start is no part of the first line: it says the file is UTF-8.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"

class ListLines {
 public:
  explicit ListLines(platform::FileHandle& file);

  // The next line, without its line end; false at the end of the file or at a Ctrl-Z.
  // A failed read raises the I/O error of its code.
  bool Next(std::string& line);
  // Whether the file starts with the UTF-8 byte-order mark; known once Next has been called.
  bool Utf8() const { return utf8_; }

 private:
  bool Fill();  // the next piece of the file when the last one is used up; false at its end
  // Whether a CR comes before the end of the file; reads ahead and back from the start.
  bool HasCarriageReturn();

  platform::FileHandle& file_;
  std::unique_ptr<char[]> buffer_;  // not cleared first: only what was read is looked at
  size_t size_;                     // of the buffer
  size_t pos_ = 0, end_ = 0;
  bool ended_ = false;
  char lineEnd_ = 0;     // CR or LF, chosen when the first line is read
  bool atStart_ = true;  // the next piece is the first one of the file
  bool utf8_ = false;
};
