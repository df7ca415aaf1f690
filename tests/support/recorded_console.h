// horodex-cli's standard streams, recorded for a test.
#pragma once

#include <string>

#include "cli/console.h"

namespace testsupport {

struct RecordedConsole : Console {
  bool WriteOut(const std::string& bytes) override {
    out += bytes;
    return true;
  }
  void WriteErr(const std::string& bytes) override { err += bytes; }
  bool ErrIsTerminal() const override { return false; }
  std::string out, err;
};

}  // namespace testsupport
