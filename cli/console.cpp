#include "cli/console.h"

#include "platform/console.h"

namespace {

class ProcessStreams : public Console {
 public:
  bool WriteOut(const std::string& bytes) override { return platform::WriteStandardOutput(bytes); }
  void WriteErr(const std::string& bytes) override { platform::WriteStandardError(bytes); }
  bool ErrIsTerminal() const override { return platform::StandardErrorIsTerminal(); }
  bool OutIsConsole() const override { return platform::StandardOutputIsConsole(); }
};

}  // namespace

void Console::Report(const std::string& line) {
  EndProgress();
  WriteErr(line + "\n");
}

void Console::ShowProgress(const std::string& text) {
  std::string line = "\r" + text;
  if (text.size() < progressWidth_) line.append(progressWidth_ - text.size(), ' ');
  WriteErr(line);
  progressWidth_ = text.size() > 0 ? text.size() : 1;
}

void Console::EndProgress() {
  if (progressWidth_ == 0) return;
  WriteErr("\r" + std::string(progressWidth_, ' ') + "\r");
  progressWidth_ = 0;
}

Console& ProcessConsole() {
  static ProcessStreams streams;
  return streams;
}
