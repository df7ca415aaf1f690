// Reporting a broken property from a fuzz target: the message and the input's text go to
// the error output and the process aborts, so that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

// The text with every byte outside printable ASCII written as \xNN.
inline std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      out += escape;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const std::string& what, const std::string& text) {
  std::fprintf(stderr, "property broken: %s\n  text: '%s'\n", Escaped(what).c_str(),
               Escaped(text).c_str());
  std::abort();
}

inline void Expect(bool holds, const char* what, const std::string& text) {
  if (!holds) Fail(what, text);
}

}  // namespace fuzzcheck
