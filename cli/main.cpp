// horodex-cli: lists trees as list files and applies list files, on the window's core.
#include "cli/run.h"
#include "platform/process.h"

int main(int argc, char** argv) {
  return RunCli(platform::ProgramArguments(argc, argv), ProcessConsole());
}
