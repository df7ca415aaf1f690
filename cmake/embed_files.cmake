# Builds files into a program: a C++ source that defines testsupport::EmbeddedFile(NAME), the
# bytes of each of FILES by its name (without its folder), and throws for another name.
#   cmake "-DFILES=a.heic;b.mp4" -DOUTPUT=embedded_files.cpp -P embed_files.cmake
set(table "")
set(arrays "")
set(index 0)
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kFile${index}[] = {${bytes} 0};\n")
  string(APPEND table "    {\"${name}\", std::string(kFile${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}" "// Made by cmake/embed_files.cmake: do not edit.
#include <map>
#include <stdexcept>
#include <string>

namespace testsupport {
namespace {
${arrays}}  // namespace

const std::string& EmbeddedFile(const std::string& name) {
  static const std::map<std::string, std::string> files = {
${table}  };
  const auto found = files.find(name);
  if (found == files.end()) throw std::runtime_error(\"no embedded file \" + name);
  return found->second;
}

}  // namespace testsupport
")
