// Files built into the test program (cmake/embed_files.cmake): the samples of
// tests/fixtures/media/, which Debian's tools made (scripts/lib/media_samples.sh).
#pragma once

#include <string>

namespace testsupport {

// The bytes of the file of this name; throws std::runtime_error for a name not built in.
const std::string& EmbeddedFile(const std::string& name);

}  // namespace testsupport
