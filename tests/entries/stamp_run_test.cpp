// Stamping on several threads gives what one thread gives.
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "core/errors.h"
#include "entries/stamp_run.h"
#include "support/file_times.h"
#include "support/local_dates.h"
#include "support/spellings.h"
#include "support/temp_tree.h"

namespace {

using testsupport::LocalFileTime;

class StampRunOn : public ::testing::TestWithParam<unsigned> {
 protected:
  static constexpr int kFiles = 5;
  void SetUp() override {
    for (int f = 0; f < kFiles; ++f) tree.AddFile(Name(f), "", LocalFileTime(2000, 1, 1));
  }
  static std::string Name(int file) { return "f" + std::to_string(file) + ".txt"; }
  // Row i names file i % kFiles with a date of its own: 2001/01/01 plus 2i seconds.
  static std::string DateText(int row) {
    char text[32];
    std::snprintf(text, sizeof text, "2001/01/01 0:%02d:%02d", 2 * row / 60, 2 * row % 60);
    return text;
  }
  static platform::FileTime RowTime(int row) {
    return LocalFileTime(2001, 1, 1, 0, 2 * row / 60, 2 * row % 60);
  }
  std::vector<ui::ListItem> Rows(int count) const {
    std::vector<ui::ListItem> rows;
    for (int i = 0; i < count; ++i) {
      rows.push_back({DateText(i), {tree.Path(Name(i % kFiles)), "txt"}});
    }
    return rows;
  }
  platform::FileTime Written(int file) const {
    return testsupport::ReadFileTimes(tree.Path(Name(file))).lastWrite;
  }
  // The progress heard, each on this thread: no worker touches the window.
  WorkProgress progress = [this](WorkStep step, uint64_t, uint64_t total) {
    EXPECT_EQ(step, WorkStep::Update);
    EXPECT_EQ(total, rows);
    EXPECT_EQ(std::this_thread::get_id(), caller);
    return false;
  };
  size_t rows = 0;
  const std::thread::id caller = std::this_thread::get_id();
  testsupport::TempTree tree;
};

// More rows than a worker keeps waiting, so that the caller waits for room too.
TEST_P(StampRunOn, EachPathTakesItsLastRowAndFailuresStayWithTheirRows) {
  constexpr int kRows = 1500, kMissing = 700, kNoFileTime = 1496;
  std::vector<ui::ListItem> list = Rows(kRows);
  list[kMissing].subItems[0] = tree.Path("missing.txt");
  list[kNoFileTime].caption = "1500/01/01";
  rows = list.size();
  StampRun run(list.size(), progress, {}, false, GetParam());
  for (size_t i = 0; i < list.size(); ++i) run.Add(i, list[i]);
  const std::vector<StampResult>& results = run.Finish();
  ASSERT_EQ(results.size(), list.size());
  for (size_t i = 0; i < results.size(); ++i) {
    const auto expected = i == kMissing      ? StampResult::Outcome::NotOpened
                          : i == kNoFileTime ? StampResult::Outcome::NoFileTime
                                             : StampResult::Outcome::Stamped;
    EXPECT_EQ(results[i].outcome, expected) << "row " << i;
  }
  // Row 1496 (file 1) failed, so file 1 keeps row 1491's date.
  for (int f = 0; f < kFiles; ++f) {
    const int last = f == 1 ? 1491 : kRows - kFiles + f;
    EXPECT_EQ(Written(f).ticks, RowTime(last).ticks) << Name(f);
  }
}

TEST_P(StampRunOn, ATextThatIsNoDateStopsTheRunAfterTheRowsBeforeIt) {
  constexpr int kStop = 1203;  // file 3
  std::vector<ui::ListItem> list = Rows(1500);
  list[kStop].caption = "later";
  rows = list.size();
  {
    StampRun run(list.size(), progress, {}, false, GetParam());
    size_t i = 0;
    EXPECT_THROW(for (; i < list.size(); ++i) run.Add(i, list[i]), EConvertError);
    EXPECT_EQ(i, static_cast<size_t>(kStop));
  }
  for (int f = 0; f < kFiles; ++f) {
    const int last = kStop - 1 - (kStop - 1 - f) % kFiles;
    EXPECT_EQ(Written(f).ticks, RowTime(last).ticks) << Name(f);
  }
}

// One file under every spelling, row after row: the last row wins on every run, as on one
// thread, whichever worker each spelling's name would hash to.
TEST_P(StampRunOn, EverySpellingOfOneFileEndsWithTheLastRow) {
  tree.AddFile("d/LongName.text");
  const std::vector<std::string> spellings = testsupport::SpellingsOf(tree, "d", "LongName.text");
  constexpr int kRounds = 40, kRuns = 10;
  std::vector<ui::ListItem> list;
  for (int round = 0; round < kRounds; ++round) {
    for (const std::string& path : spellings) {
      list.push_back({DateText(static_cast<int>(list.size())), {path, "txt"}});
    }
  }
  std::swap(list.back().subItems[0], list[list.size() - 2].subItems[0]);  // a plain one before
  rows = list.size();
  for (int runs = 0; runs < kRuns; ++runs) {
    tree.SetTimes("d/LongName.text", LocalFileTime(2000, 1, 1));
    StampRun run(list.size(), progress, {}, false, GetParam());
    for (size_t i = 0; i < list.size(); ++i) run.Add(i, list[i]);
    for (const StampResult& result : run.Finish()) ASSERT_FALSE(result.Failed());
    ASSERT_EQ(tree.LastWriteTime("d/LongName.text").ticks,
              RowTime(static_cast<int>(list.size()) - 1).ticks)
        << "run " << runs;
  }
}

INSTANTIATE_TEST_SUITE_P(Threads, StampRunOn, ::testing::Values(1u, 2u, 8u));

// Local volumes: more threads than processors only cost; shares: each open waits for the
// server, and more threads pay whatever the processors.
TEST(StampThreadCount, IsTwoToTheProcessorsUpToEightOrEightOnAShare) {
  const struct {
    unsigned processors;
    bool network;
    unsigned threads;
  } cases[] = {
      {0, false, 2},  {1, false, 2}, {2, false, 2}, {4, false, 4}, {8, false, 8},
      {64, false, 8}, {0, true, 8},  {1, true, 8},  {2, true, 8},  {64, true, 8},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StampThreadCount(c.processors, c.network), c.threads)
        << c.processors << (c.network ? " network" : " local");
  }
}

}  // namespace
