// Standard output and standard error of horodex-cli, which tests replace.
#pragma once

#include <cstddef>
#include <string>

class Console {
 public:
  virtual ~Console() = default;

  // Texts are UTF-8; standard output also takes the bytes of list files.
  virtual bool WriteOut(const std::string& bytes) = 0;  // false when the write fails
  virtual void WriteErr(const std::string& text) = 0;
  virtual bool ErrIsTerminal() const = 0;
  // Whether standard output is a console, which shows texts as themselves rather than taking
  // a list file's bytes.
  virtual bool OutIsConsole() const { return false; }

  // One line of a message on standard error (the line end is added), after the progress
  // line has been wiped.
  void Report(const std::string& line);
  // The progress line on standard error, rewritten in place until EndProgress wipes it.
  void ShowProgress(const std::string& text);
  void EndProgress();

 private:
  size_t progressWidth_ = 0;  // 0 when no progress line shows
};

// The process's own streams.
Console& ProcessConsole();
