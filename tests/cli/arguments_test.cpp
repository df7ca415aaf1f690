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

TEST(CliArguments, ReadDateSourcesAndOffsets) {
  struct Case {
    Strings words;
    Command command;
    Strings inputs;
    DateSource dateFrom;
    bool onlyDated, verbose;
    int64_t shiftSeconds;
    std::string output;
  };
  const Case cases[] = {
      {{"list", "a", "--date-from", "exif", "--only-dated"},
       Command::List,
       {"a"},
       DateSource::Exif,
       true,
       false,
       0,
       ""},
      {{"list", "--date-from", "name", "--verbose", "a"},
       Command::List,
       {"a"},
       DateSource::Name,
       false,
       true,
       0,
       ""},
      {{"shift", "-2h30m", "x", "-o", "y"}, Command::Shift, {"x"}, {}, false, false, -9000, "y"},
      {{"shift", "+1d", "x", "y"}, Command::Shift, {"x", "y"}, {}, false, false, 86400, ""},
  };
  for (const Case& c : cases) {
    const Arguments parsed = ParseArguments(c.words);
    EXPECT_EQ(parsed.command, c.command) << c.words[1];
    EXPECT_EQ(parsed.inputs, c.inputs) << c.words[1];
    EXPECT_EQ(parsed.dateFrom, c.dateFrom) << c.words[1];
    EXPECT_EQ(parsed.onlyDated, c.onlyDated) << c.words[1];
    EXPECT_EQ(parsed.verbose, c.verbose) << c.words[1];
    EXPECT_EQ(parsed.shiftSeconds, c.shiftSeconds) << c.words[1];
    EXPECT_EQ(parsed.output, c.output) << c.words[1];
  }
}

TEST(CliArguments, ReadTheTimesThatApplySets) {
  struct Case {
    Strings words;
    StampTimes times;
  };
  const Case cases[] = {
      {{"apply", "x"}, {true, true, true}},
      {{"apply", "--times", "a", "x"}, {false, true, false}},
      {{"apply", "x", "--times", "w,c"}, {true, false, true}},
      {{"apply", "x", "--times", "c,a,w"}, {true, true, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseArguments(c.words).times, c.times) << c.words[1];
}

TEST(CliArguments, ReadTheTimeThatListShows) {
  struct Case {
    Strings words;
    RowTime time;
  };
  const Case cases[] = {
      {{"list", "x"}, RowTime::LastWrite},
      {{"list", "--time", "c", "x"}, RowTime::Creation},
      {{"list", "x", "--time", "a"}, RowTime::LastAccess},
      {{"list", "x", "--time", "w"}, RowTime::LastWrite},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseArguments(c.words).time, c.time) << c.words[1];
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
      {"list", "a", "--date-from", "size"},
      {"list", "a", "--only-dated"},
      {"list", "a", "--verbose"},
      {"apply", "x", "--date-from", "exif"},
      {"shift", "+1d"},
      {"shift", "1d", "x"},
      {"shift", "+1d", "x", "--dry-run"},
      {"apply", "x", "--times"},
      {"apply", "x", "--times", ""},
      {"apply", "x", "--times", "c,c"},
      {"apply", "x", "--times", "c,"},
      {"apply", "x", "--times", ",w"},
      {"apply", "x", "--times", "ca"},
      {"apply", "x", "--times", "m"},
      {"list", "x", "--times", "c"},
      {"list", "x", "--time"},
      {"list", "x", "--time", "m"},
      {"list", "x", "--time", "c,a"},
      {"apply", "x", "--time", "c"},
  };
  for (const Strings& words : cases) {
    EXPECT_THROW(ParseArguments(words), UsageError) << (words.empty() ? "" : words.back());
  }
}

}  // namespace
