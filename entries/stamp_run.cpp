#include "entries/stamp_run.h"

#include <algorithm>
#include <iterator>

#include "platform/files.h"

namespace {

// Rows a worker may have waiting: deep enough that no worker runs dry while the caller's
// thread waits for room at another, small enough to cost little memory. A worker takes up
// to a batch of them at once, so that the threads meet once per batch, not once per row
// (under Wine each meeting may be a call to the server that the opens wait on too).
constexpr size_t kLaneDepth = 1024;
constexpr size_t kBatch = 64;
// How often the caller's thread tells its progress while it waits.
constexpr auto kTellEvery = std::chrono::milliseconds(50);

unsigned& ThreadsOverride() {
  static unsigned threads = 0;
  return threads;
}

}  // namespace

unsigned StampThreadCount(unsigned processors, bool network) {
  constexpr unsigned kFewest = 2, kMost = 8;
  return network ? kMost : std::clamp(processors, kFewest, kMost);
}

unsigned StampThreads() {
  if (ThreadsOverride() != 0) return ThreadsOverride();
  return StampThreadCount(std::thread::hardware_concurrency(), false);
}

void SetStampThreadsForTests(unsigned threads) { ThreadsOverride() = threads; }

StampRun::StampRun(size_t rows, const WorkProgress& progress, StampTimes times, bool readBefore,
                   unsigned threads)
    : progress_(progress), times_(times), readBefore_(readBefore), results_(rows) {
  try {
    Start(lanes_, threads);
  } catch (...) {
    Close();
    throw;
  }
}

void StampRun::Start(Lanes& lanes, unsigned threads) {
  for (unsigned i = 0; i < std::max(threads, 1u); ++i) {
    lanes.push_back(std::make_unique<Lane>());
    Lane& lane = *lanes.back();
    lane.thread = std::thread([this, &lane] { Work(lane); });
  }
}

StampRun::Lanes& StampRun::LanesFor(const std::string& path) {
  if (!volumes_.Holds(path)) return lanes_;
  if (remoteLanes_.empty()) {
    const unsigned threads = ThreadsOverride() != 0
                                 ? ThreadsOverride()
                                 : StampThreadCount(std::thread::hardware_concurrency(), true);
    Start(remoteLanes_, threads);  // the destructor ends those started if one cannot start
  }
  return remoteLanes_;
}

StampRun::~StampRun() { Close(); }

void StampRun::Add(size_t index, const ui::ListItem& row) {
  StampJob job;
  if (!MakeStampJob(row, job)) {
    Tell();
    results_[index] = {StampResult::Outcome::NoFileTime, 0};
    return;
  }
  job.times = times_;
  job.readBefore = readBefore_;
  Add(index, std::move(job));
}

void StampRun::Add(size_t index, StampJob job) {
  Tell();
  Item item{index, std::move(job)};
  Lanes& lanes = LanesFor(item.job.path);
  Lane& lane = *lanes[platform::PathNameHash(item.job.path) % lanes.size()];
  std::unique_lock lock(lane.mutex);
  if (lane.queue.size() >= kLaneDepth) lane.full = true;
  while (lane.full) {
    if (lane.space.wait_for(lock, kTellEvery) == std::cv_status::timeout) {
      lock.unlock();
      Tell();
      lock.lock();
    }
  }
  const bool idle = lane.queue.empty();
  lane.queue.push_back(std::move(item));
  ++added_;
  lock.unlock();
  if (idle) lane.work.notify_one();
}

const std::vector<StampResult>& StampRun::Finish() {
  for (;;) {
    std::unique_lock lock(idleMutex_);
    if (idle_.wait_for(lock, kTellEvery, [this] { return done_.load() == added_; })) break;
    lock.unlock();
    Tell();
  }
  Tell();  // every row done
  Close();
  if (error_) std::rethrow_exception(error_);
  return results_;
}

void StampRun::Work(Lane& lane) {
  std::vector<Item> batch;
  batch.reserve(kBatch);
  for (;;) {
    {
      std::unique_lock lock(lane.mutex);
      lane.work.wait(lock, [&lane] { return !lane.queue.empty() || lane.closing; });
      if (lane.queue.empty()) return;  // closing, and every row stamped
      const size_t take = std::min(kBatch, lane.queue.size());
      std::move(lane.queue.begin(), lane.queue.begin() + static_cast<ptrdiff_t>(take),
                std::back_inserter(batch));
      lane.queue.erase(lane.queue.begin(), lane.queue.begin() + static_cast<ptrdiff_t>(take));
      if (lane.full && lane.queue.size() <= kLaneDepth - 4 * kBatch) {
        lane.full = false;
        lane.space.notify_one();
      }
    }
    for (const Item& item : batch) {
      try {
        results_[item.index] = StampPath(item.job);
      } catch (...) {
        // Ends the command on the caller's thread, as on one thread.
        std::lock_guard lock(idleMutex_);
        if (!error_) error_ = std::current_exception();
      }
      done_.fetch_add(1);
    }
    batch.clear();
    { std::lock_guard lock(idleMutex_); }
    idle_.notify_all();
  }
}

void StampRun::Close() {
  for (Lanes* lanes : {&lanes_, &remoteLanes_}) {
    for (const std::unique_ptr<Lane>& lane : *lanes) {
      {
        std::lock_guard lock(lane->mutex);
        lane->closing = true;
      }
      lane->work.notify_one();
    }
  }
  for (Lanes* lanes : {&lanes_, &remoteLanes_}) {
    for (const std::unique_ptr<Lane>& lane : *lanes) {
      if (lane->thread.joinable()) lane->thread.join();
    }
  }
}

void StampRun::Tell() {
  if (progress_) progress_(WorkStep::Update, done_.load(), results_.size());
}
