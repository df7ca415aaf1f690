// Local time by the time-zone rules in force on each date. The offset of local time from UTC
// stays the same between two transitions of the zone: a conversion asks the system for the
// offset at a time, finds the period of that offset around it once and answers later times in
// the period from memory, so that a walk of many files asks the system a few times only.
#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/native.h"
#include "platform/time.h"

namespace platform {
namespace {

constexpr int64_t kSecond = 10'000'000;
constexpr int64_t kDay = 86'400 * kSecond;
constexpr int64_t kLastTick = INT64_MAX;
// The period around a time is looked for in steps of this length: no zone changes its offset
// and back again within one step.
constexpr int64_t kStep = 16 * kDay;
// How far the period is followed each way: a zone without daylight saving time has one
// period from 1601 on, which is known well enough a year each way.
constexpr int64_t kReach = 400 * kDay;
// Periods kept by a thread: a list of files from many years has a few dozen, two a year.
constexpr size_t kKept = 4096;

struct Period {
  int64_t from, last;  // the first and the last tick, UTC
  int64_t offset;      // local time minus UTC, in ticks
};

bool SystemOffset(int64_t utc, int64_t& offset) {
  return native::LocalOffset(FileTime{static_cast<uint64_t>(utc)}, offset);
}

// The first tick after `same` (whose offset is `offset`) and up to `other` (whose is not) that
// has another offset, when `other` lies after `same`; the last tick with the other offset
// before `same` plus one, when it lies before: the edge of the period, to the tick.
int64_t Edge(int64_t same, int64_t other, int64_t offset) {
  while (same - other > 1 || other - same > 1) {
    const int64_t middle = same + (other - same) / 2;
    int64_t found;
    if (SystemOffset(middle, found) && found == offset) {
      same = middle;
    } else {
      other = middle;
    }
  }
  return std::max(same, other);
}

Period PeriodAround(int64_t utc, int64_t offset) {
  Period period{utc, utc, offset};
  while (period.from > 0 && utc - period.from < kReach) {
    const int64_t probe = std::max<int64_t>(0, period.from - kStep);
    int64_t found;
    if (!SystemOffset(probe, found)) break;
    if (found != offset) {
      period.from = Edge(period.from, probe, offset);
      break;
    }
    period.from = probe;
  }
  while (period.last < kLastTick && period.last - utc < kReach) {
    const int64_t probe = period.last > kLastTick - kStep ? kLastTick : period.last + kStep;
    int64_t found;
    if (!SystemOffset(probe, found)) break;
    if (found != offset) {
      period.last = Edge(period.last, probe, offset) - 1;
      break;
    }
    period.last = probe;
  }
  return period;
}

// The offset in force at a UTC time, from the periods this thread has found (kept in order,
// none overlapping).
bool OffsetAt(int64_t utc, int64_t& offset) {
  thread_local std::vector<Period> known;
  thread_local size_t last = 0;
  if (last < known.size() && known[last].from <= utc && utc <= known[last].last) {
    offset = known[last].offset;
    return true;
  }
  // The first period that begins after the time; the one before it may hold the time.
  auto after = std::upper_bound(known.begin(), known.end(), utc,
                                [](int64_t time, const Period& p) { return time < p.from; });
  if (after != known.begin() && utc <= std::prev(after)->last) {
    last = static_cast<size_t>(std::prev(after) - known.begin());
    offset = known[last].offset;
    return true;
  }
  if (!SystemOffset(utc, offset)) return false;
  Period period = PeriodAround(utc, offset);
  // What a neighbour already covers stays the neighbour's (one found only a year each way).
  // (The time lies between them: the one before ends before the last tick, the one after
  // begins after the first.)
  if (after != known.begin()) period.from = std::max(period.from, std::prev(after)->last + 1);
  if (after != known.end()) period.last = std::min(period.last, after->from - 1);
  if (known.size() == kKept) {
    known.clear();
    after = known.end();
  }
  last = static_cast<size_t>(known.insert(after, period) - known.begin());
  return true;
}

bool Valid(FileTime time) { return time.ticks <= static_cast<uint64_t>(kLastTick); }

bool Add(int64_t time, int64_t offset, int64_t& sum) {
  return !__builtin_add_overflow(time, offset, &sum) && sum >= 0;
}

}  // namespace

bool UtcToLocalTime(FileTime utc, FileTime& local) {
  int64_t offset, ticks;
  if (!Valid(utc) || !OffsetAt(static_cast<int64_t>(utc.ticks), offset) ||
      !Add(static_cast<int64_t>(utc.ticks), offset, ticks))
    return false;
  local.ticks = static_cast<uint64_t>(ticks);
  return true;
}

// A local time names the UTC time u with u + offset(u) = local. Offsets stay within a day, and
// a zone changes its offset at most once within two days: the offsets a day before and a day
// after are the only ones that can apply.
bool LocalToUtcTime(FileTime local, FileTime& utc) {
  if (!Valid(local)) return false;
  const int64_t time = static_cast<int64_t>(local.ticks);
  int64_t before, after;
  const bool hasBefore = OffsetAt(std::max<int64_t>(0, time - kDay), before);
  const bool hasAfter = OffsetAt(time > kLastTick - kDay ? kLastTick : time + kDay, after);
  if (!hasBefore && !hasAfter) return false;
  if (!hasBefore) before = after;
  if (!hasAfter) after = before;
  // Each offset gives the time it would name; it holds when that time has that offset.
  auto named = [&](int64_t offset, int64_t& result) {
    int64_t found;
    return Add(time, -offset, result) && OffsetAt(result, found) && found == offset;
  };
  int64_t early, late;
  const bool byBefore = named(before, early);
  const bool byAfter = named(after, late);
  int64_t result;
  if (byBefore && byAfter) {
    result = std::min(early, late);  // the hour that occurs twice: the earlier (daylight) time
  } else if (byBefore || byAfter) {
    result = byBefore ? early : late;
  } else if (!Add(time, -before, result)) {  // the hour skipped: read with the offset before it,
    return false;                            // which names the time one hour later
  }
  utc.ticks = static_cast<uint64_t>(result);
  return true;
}

}  // namespace platform
