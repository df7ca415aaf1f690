// Instants on each side of the clock changes of two zones, with the local times they show:
// the tests that use them run in the zone that TZ names (Europe/Berlin or America/New_York)
// and skip elsewhere.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct ZoneInstant {
  enum class Way {
    Both,     // the UTC time shows the local time, and the local time names the UTC time
    ToLocal,  // the local time occurs twice: it names the earlier instant, not this one
    ToUtc,    // the local time occurs twice (the earlier instant) or never (one hour later)
  };
  const char* zone;
  int utc[6];  // year, month, day, hour, minute, second
  int local[6];
  Way way;
  int ticks = 0;  // 100 ns added to both
};

// The zone TZ names, when it is one of the table's; empty otherwise.
std::string TableZone();
// The table's rows of that zone.
std::vector<ZoneInstant> ZoneInstants(const std::string& zone);

}  // namespace testsupport
