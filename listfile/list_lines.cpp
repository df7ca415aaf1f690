#include "listfile/list_lines.h"

#include <algorithm>

#include "core/errors.h"
#include "listfile/list_file_text.h"

namespace {

// A list file is read in pieces of 1 MiB; the first piece is smaller, so that a small file
// costs no large buffer.
constexpr size_t kFirstPiece = 64 << 10;
constexpr size_t kPiece = 1 << 20;
constexpr char kCtrlZ = 0x1A;

}  // namespace

ListLines::ListLines(platform::FileHandle& file)
    : file_(file), buffer_(new char[kFirstPiece]), size_(kFirstPiece) {}

bool ListLines::Fill() {
  if (pos_ < end_) return true;
  if (ended_) return false;
  if (end_ == size_ && size_ < kPiece) {  // the last piece filled the buffer: a big file
    buffer_.reset(new char[kPiece]);
    size_ = kPiece;
  }
  uint32_t read = 0;
  if (!file_.Read(buffer_.get(), static_cast<uint32_t>(size_), read))
    throw EInOutError(file_.LastError());
  pos_ = 0;
  end_ = read;
  ended_ = read == 0;
  if (atStart_) {
    atStart_ = false;
    utf8_ =
        end_ >= kUtf8Mark.size() && std::string_view(buffer_.get(), kUtf8Mark.size()) == kUtf8Mark;
    if (utf8_) pos_ = kUtf8Mark.size();
    return pos_ < end_ || Fill();
  }
  return !ended_;
}

bool ListLines::HasCarriageReturn() {
  const auto isEnd = [](char byte) { return byte == '\r' || byte == kCtrlZ; };
  const char* found = std::find_if(buffer_.get() + pos_, buffer_.get() + end_, isEnd);
  if (found != buffer_.get() + end_) return *found == '\r';  // the usual file: at once
  bool carriageReturn = false;
  while (!ended_) {
    pos_ = end_;
    if (!Fill()) break;
    found = std::find_if(buffer_.get(), buffer_.get() + end_, isEnd);
    if (found != buffer_.get() + end_) {
      carriageReturn = *found == '\r';
      break;
    }
  }
  if (!file_.Seek(0)) throw EInOutError(file_.LastError());
  pos_ = end_ = 0;
  ended_ = false;
  atStart_ = true;
  return carriageReturn;
}

bool ListLines::Next(std::string& line) {
  if (!Fill() || buffer_[pos_] == kCtrlZ) return false;
  if (lineEnd_ == 0) {
    lineEnd_ = HasCarriageReturn() ? '\r' : '\n';
    if (!Fill()) return false;
  }
  line.clear();
  const char lineEnd = lineEnd_;
  while (Fill()) {
    const char* begin = buffer_.get() + pos_;
    const char* stop =
        std::find_if(begin, static_cast<const char*>(buffer_.get() + end_),
                     [lineEnd](char byte) { return byte == lineEnd || byte == kCtrlZ; });
    line.append(begin, stop);
    pos_ += stop - begin;
    if (pos_ == end_) continue;
    if (*stop == kCtrlZ) return true;  // the line ends here, and the file with it
    ++pos_;
    if (lineEnd == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
    return true;
  }
  return true;  // the end of the file ends the last line
}
