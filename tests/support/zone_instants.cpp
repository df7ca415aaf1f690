#include "support/zone_instants.h"

#include <cstdlib>

namespace testsupport {
namespace {

using Way = ZoneInstant::Way;

const ZoneInstant kInstants[] = {
    // Berlin: CET +1, CEST +2 from 2021-03-28 01:00 UTC to 2021-10-31 01:00 UTC.
    {"Europe/Berlin", {2015, 6, 7, 8, 9, 10}, {2015, 6, 7, 10, 9, 10}, Way::Both},
    {"Europe/Berlin", {2015, 12, 7, 8, 9, 10}, {2015, 12, 7, 9, 9, 10}, Way::Both},
    {"Europe/Berlin", {2021, 3, 28, 0, 59, 58}, {2021, 3, 28, 1, 59, 58}, Way::Both},
    {"Europe/Berlin", {2021, 3, 28, 0, 59, 59}, {2021, 3, 28, 1, 59, 59}, Way::Both, 9'999'999},
    {"Europe/Berlin", {2021, 3, 28, 1, 0, 0}, {2021, 3, 28, 3, 0, 0}, Way::Both},
    {"Europe/Berlin", {2021, 3, 28, 1, 30, 0}, {2021, 3, 28, 2, 30, 0}, Way::ToUtc},   // skipped
    {"Europe/Berlin", {2021, 10, 31, 0, 30, 0}, {2021, 10, 31, 2, 30, 0}, Way::Both},  // twice
    {"Europe/Berlin", {2021, 10, 31, 0, 59, 58}, {2021, 10, 31, 2, 59, 58}, Way::Both},
    {"Europe/Berlin", {2021, 10, 31, 0, 59, 59}, {2021, 10, 31, 2, 59, 59}, Way::Both, 9'999'999},
    {"Europe/Berlin", {2021, 10, 31, 1, 0, 0}, {2021, 10, 31, 2, 0, 0}, Way::ToLocal},
    {"Europe/Berlin", {2021, 10, 31, 1, 30, 0}, {2021, 10, 31, 2, 30, 0}, Way::ToLocal},
    {"Europe/Berlin", {2021, 10, 31, 2, 0, 0}, {2021, 10, 31, 3, 0, 0}, Way::Both},
    // New York: EST -5, EDT -4 from 2021-03-14 07:00 UTC to 2021-11-07 06:00 UTC.
    {"America/New_York", {2015, 6, 7, 12, 0, 0}, {2015, 6, 7, 8, 0, 0}, Way::Both},
    {"America/New_York", {2015, 12, 7, 12, 0, 0}, {2015, 12, 7, 7, 0, 0}, Way::Both},
    {"America/New_York", {2021, 3, 14, 6, 59, 58}, {2021, 3, 14, 1, 59, 58}, Way::Both},
    {"America/New_York", {2021, 3, 14, 6, 59, 59}, {2021, 3, 14, 1, 59, 59}, Way::Both, 9'999'999},
    {"America/New_York", {2021, 3, 14, 7, 0, 0}, {2021, 3, 14, 3, 0, 0}, Way::Both},
    {"America/New_York", {2021, 3, 14, 7, 30, 0}, {2021, 3, 14, 2, 30, 0}, Way::ToUtc},
    {"America/New_York", {2021, 11, 7, 5, 30, 0}, {2021, 11, 7, 1, 30, 0}, Way::Both},
    {"America/New_York", {2021, 11, 7, 5, 59, 58}, {2021, 11, 7, 1, 59, 58}, Way::Both},
    {"America/New_York", {2021, 11, 7, 5, 59, 59}, {2021, 11, 7, 1, 59, 59}, Way::Both, 9'999'999},
    {"America/New_York", {2021, 11, 7, 6, 0, 0}, {2021, 11, 7, 1, 0, 0}, Way::ToLocal},
    {"America/New_York", {2021, 11, 7, 6, 30, 0}, {2021, 11, 7, 1, 30, 0}, Way::ToLocal},
    {"America/New_York", {2021, 11, 7, 7, 0, 0}, {2021, 11, 7, 2, 0, 0}, Way::Both},
};

}  // namespace

std::string TableZone() {
  const char* tz = std::getenv("TZ");
  const std::string zone = tz ? tz : "";
  return zone == "Europe/Berlin" || zone == "America/New_York" ? zone : "";
}

std::vector<ZoneInstant> ZoneInstants(const std::string& zone) {
  std::vector<ZoneInstant> rows;
  for (const ZoneInstant& row : kInstants)
    if (zone == row.zone) rows.push_back(row);
  return rows;
}

}  // namespace testsupport
