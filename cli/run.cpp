#include "cli/run.h"

#include <exception>

#include "cli/apply_command.h"
#include "cli/list_command.h"
#include "cli/list_dates.h"
#include "cli/messages.h"
#include "cli/shift_command.h"

int RunCli(const std::vector<platform::ProgramArgument>& arguments, Console& console) {
  std::vector<std::string> named;
  bool leftOut = false, refused = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const platform::ProgramArgument& argument = arguments[i];
    if (argument.named) {
      named.push_back(argument.text);
      continue;
    }
    console.Report(ProgramMessage(PathMessage(argument.text, UnnamableText())));
    // Only a path of list may go: an option's value left out would take the next word.
    const bool optionValue = i > 0 && !arguments[i - 1].text.empty() &&
                             arguments[i - 1].text[0] == '-' && arguments[i - 1].text != "--";
    if (i > 0 && arguments[0].text == "list" && !optionValue) {
      leftOut = true;
    } else {
      refused = true;
    }
  }
  if (refused) return 2;
  const int status = RunCli(named, console);
  return leftOut && status == 0 ? 1 : status;
}

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
