#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace {

using Command = Arguments::Command;
using Strings = std::vector<std::string>;

TEST(CliArguments, ReadCommandsInputsAndOptions) {
  struct Case {
    Strings words;
    Command command;
    Strings inputs;
    std::string output, backup;
    bool dryRun;
  };
  const Case cases[] = {
      {{"list", "a", "b"}, Command::List, {"a", "b"}, "", "", false},
      {{"list", "-o", "out.txt", "a"}, Command::List, {"a"}, "out.txt", "", false},
      {{"list", "a", "--output", "o", "--", "-o"}, Command::List, {"a", "-o"}, "o", "", false},
      {{"apply", "x.txt", "--dry-run"}, Command::Apply, {"x.txt"}, "", "", true},
      {{"apply", "--backup", "b.txt", "x", "y"}, Command::Apply, {"x", "y"}, "", "b.txt", false},
      {{"apply", "x", "--help"}, Command::Help, {}, "", "", false},
      {{"--version"}, Command::Version, {}, "", "", false},
      {{"-h"}, Command::Help, {}, "", "", false},
  };
  for (const Case& c : cases) {
    const Arguments parsed = ParseArguments(c.words);
    EXPECT_EQ(parsed.command, c.command) << c.words[0];
    EXPECT_EQ(parsed.inputs, c.inputs) << c.words[0];
    EXPECT_EQ(parsed.output, c.output) << c.words[0];
    EXPECT_EQ(parsed.backup, c.backup) << c.words[0];
    EXPECT_EQ(parsed.dryRun, c.dryRun) << c.words[0];
  }
}

TEST(CliArguments, RejectWhatMakesNoCommand) {
  const Strings cases[] = {
      {},
      {"lists", "a"},
      {"list"},
      {"list", "a", "-o"},
      {"list", "a", "--dry-run"},
      {"apply", "x", "-o", "y"},
      {"apply", "--backup", "b"},
      {"--version", "x"},
  };
  for (const Strings& words : cases) {
    EXPECT_THROW(ParseArguments(words), UsageError) << (words.empty() ? "" : words.back());
  }
}

}  // namespace
