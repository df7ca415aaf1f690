#include "ui/headless/line_editor.h"

#include <utility>

namespace ui::headless {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the UTF-8 sequence that a lead byte opens; 1 for anything else.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

}  // namespace

LineEditor::LineEditor(std::string text)
    : text_(std::move(text)), anchor_(0), caret_(text_.size()) {}

// A malformed sequence counts byte by byte, so every byte stays reachable.
size_t LineEditor::NextChar(size_t pos) const {
  if (pos >= text_.size()) return text_.size();
  const size_t length = SequenceLength(static_cast<unsigned char>(text_[pos]));
  if (pos + length > text_.size()) return pos + 1;
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text_[pos + i]))) return pos + 1;
  }
  return pos + length;
}

size_t LineEditor::PrevChar(size_t pos) const {
  if (pos == 0) return 0;
  for (size_t back = 2; back <= 4 && back <= pos; ++back) {
    if (NextChar(pos - back) == pos) return pos - back;
  }
  return pos - 1;
}

void LineEditor::Erase(size_t from, size_t to) {
  text_.erase(from, to - from);
  anchor_ = caret_ = from;
}

void LineEditor::Type(const std::string& bytes) {
  const size_t start = SelectionStart();
  text_.replace(start, SelectionEnd() - start, bytes);
  anchor_ = caret_ = start + bytes.size();
}

void LineEditor::Delete() {
  if (anchor_ != caret_) {
    Erase(SelectionStart(), SelectionEnd());
  } else {
    Erase(caret_, NextChar(caret_));
  }
}

void LineEditor::Back() {
  if (anchor_ != caret_) {
    Erase(SelectionStart(), SelectionEnd());
  } else {
    Erase(PrevChar(caret_), caret_);
  }
}

void LineEditor::Home() { anchor_ = caret_ = 0; }
void LineEditor::End() { anchor_ = caret_ = text_.size(); }
void LineEditor::Left() { anchor_ = caret_ = PrevChar(caret_); }
void LineEditor::Right() { anchor_ = caret_ = NextChar(caret_); }

}  // namespace ui::headless
