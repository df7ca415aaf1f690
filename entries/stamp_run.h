// Stamping many rows on a few worker threads, with the results one thread would give.
//
// The caller reads and parses the rows in order on its own thread (Add), which also keeps
// the window alive through `progress`; the opens and time sets, which wait on the system
// (and on a share, on its server), run on the workers. Rows of the same path, as the file
// system compares names, go to the same worker in row order, so the last of them wins as
// it would on one thread. Rows on network volumes go to workers of their own, started with
// the first such row (StampThreadCount). No worker touches a row, a control or a window.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "entries/stamp.h"
#include "entries/work_progress.h"
#include "platform/network_volumes.h"

// The threads that stamp the rows of one kind of volume: on a local one 2, or the number of
// processors up to 8 where there are more; on a network volume, where each open waits for the
// server and more threads pay whatever the processors, 8.
unsigned StampThreadCount(unsigned processors, bool network);
// The threads for the rows on local volumes on this machine (or the tests' number).
unsigned StampThreads();

class StampRun {
 public:
  // For `rows` rows, setting the `times` chosen (with `readBefore`, each result keeps the
  // times its path had just before); `progress` hears of the rows stamped so far
  // (WorkStep::Update) while the caller's thread waits. `threads` stamp the rows on local
  // volumes.
  StampRun(size_t rows, const WorkProgress& progress, StampTimes times = {},
           bool readBefore = false, unsigned threads = StampThreads());
  // Stamps every row handed in before it goes, also when an error ends the caller's loop.
  ~StampRun();
  StampRun(const StampRun&) = delete;
  StampRun& operator=(const StampRun&) = delete;

  // Makes row `index`'s job on this thread (MakeStampJob: a date text that is no date raises
  // here, and no later row is stamped) and hands it to its path's worker. Rows go in order.
  void Add(size_t index, const ui::ListItem& row);
  // Hands in a job made elsewhere, as it is (the times and readBefore given to the run are
  // for rows): the paths of an Update undone.
  void Add(size_t index, StampJob job);
  // Waits until every row handed in is stamped, keeping `progress` told; then each row's
  // result, in row order.
  const std::vector<StampResult>& Finish();

 private:
  struct Item {
    size_t index;
    StampJob job;
  };
  struct Lane {
    std::mutex mutex;
    std::condition_variable work, space;
    std::deque<Item> queue;
    bool full = false;     // the caller waits for room
    bool closing = false;  // no more rows come: stamp those waiting and end
    std::thread thread;
  };

  using Lanes = std::vector<std::unique_ptr<Lane>>;

  void Start(Lanes& lanes, unsigned threads);
  Lanes& LanesFor(const std::string& path);
  void Work(Lane& lane);
  void Close();
  void Tell();

  const WorkProgress& progress_;
  const StampTimes times_;
  const bool readBefore_;
  std::vector<StampResult> results_;
  Lanes lanes_;        // for the rows on local volumes
  Lanes remoteLanes_;  // for those on network volumes, from the first one on
  platform::NetworkVolumes volumes_;
  size_t added_ = 0;
  std::atomic<size_t> done_{0};
  std::mutex idleMutex_;
  std::condition_variable idle_;
  std::exception_ptr error_;  // the first error a worker met, under idleMutex_
};

// For tests and benchmarks: makes every run stamp on `threads` threads, on local and network
// volumes alike (0: the numbers StampThreadCount gives again).
void SetStampThreadsForTests(unsigned threads);
