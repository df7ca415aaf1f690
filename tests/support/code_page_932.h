// Code page 932 (Japanese Windows) in force for the life of the scope: natively through the
// platform's test hook, under Wine where the system has it (ja_JP). Tests of the ANSI paths
// (list files, the settings file, the sort order) skip where it cannot be had.
//
//   testsupport::CodePage932 cp932;
//   if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
#pragma once

#include "entries/code_page.h"
#include "platform/testing.h"

namespace testsupport {

class CodePage932 {
 public:
  CodePage932() : on_(platform::testing::UseCodePage932(true)) { ReadLeadBytes(); }
  ~CodePage932() {
    platform::testing::UseCodePage932(false);
    ReadLeadBytes();
  }
  CodePage932(const CodePage932&) = delete;
  CodePage932& operator=(const CodePage932&) = delete;
  bool On() const { return on_; }

 private:
  bool on_;
};

}  // namespace testsupport
