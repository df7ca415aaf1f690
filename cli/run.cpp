#include "cli/run.h"

#include <exception>

#include "cli/apply_command.h"
#include "cli/list_command.h"
#include "cli/list_dates.h"
#include "cli/messages.h"
#include "cli/shift_command.h"

int RunCli(const std::vector<std::string>& arguments, Console& console) {
  try {
    const Arguments parsed = ParseArguments(arguments);
    switch (parsed.command) {
      case Arguments::Command::Help:
        return console.WriteOut(HelpText()) ? 0 : 2;
      case Arguments::Command::Version:
        return console.WriteOut(VersionText()) ? 0 : 2;
      case Arguments::Command::List:
        ReadListDateSettings();
        return RunList(parsed, console);
      case Arguments::Command::Apply:
        ReadListDateSettings();
        return RunApply(parsed, console);
      case Arguments::Command::Shift:
        ReadListDateSettings();
        return RunShift(parsed, console);
    }
  } catch (const UsageError& error) {
    console.Report(ProgramMessage(error.what()));
    console.Report("Try 'horodex-cli --help'.");
  } catch (const std::exception& error) {
    console.Report(ProgramMessage(error.what()));
  }
  return 2;
}
