// A single-line edit control in memory: its text, its selection and the editing keys.
// Texts are the bytes of the build's character set (UTF-8 here); the keys step over whole
// characters, as the real control does over double-byte ones.
#pragma once

#include <cstddef>
#include <string>

namespace ui::headless {

class LineEditor {
 public:
  // Opens with all of the text selected and the caret at its end.
  explicit LineEditor(std::string text);

  const std::string& Text() const { return text_; }
  size_t SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }

  void Type(const std::string& bytes);  // replaces the selection; the caret follows
  void Delete();                        // the selection, or the character after the caret
  void Back();                          // the selection, or the character before the caret
  // Each collapses the selection; Left and Right step from the caret.
  void Home();
  void End();
  void Left();
  void Right();

 private:
  void Erase(size_t from, size_t to);
  size_t NextChar(size_t pos) const;
  size_t PrevChar(size_t pos) const;

  std::string text_;
  size_t anchor_;  // the fixed end of the selection
  size_t caret_;   // the moving end
};

}  // namespace ui::headless
