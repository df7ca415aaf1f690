#include "support/local_dates.h"

#include <stdexcept>

#include "platform/time.h"

namespace testsupport {

platform::SystemTime SystemFields(int year, int month, int day, int hour, int minute, int second,
                                  int milliseconds) {
  platform::SystemTime system;
  system.year = static_cast<uint16_t>(year);
  system.month = static_cast<uint16_t>(month);
  system.day = static_cast<uint16_t>(day);
  system.hour = static_cast<uint16_t>(hour);
  system.minute = static_cast<uint16_t>(minute);
  system.second = static_cast<uint16_t>(second);
  system.milliseconds = static_cast<uint16_t>(milliseconds);
  return system;
}

platform::FileTime LocalFileTime(int year, int month, int day, int hour, int minute, int second) {
  const platform::SystemTime system = SystemFields(year, month, day, hour, minute, second);
  platform::FileTime local, utc;
  if (!platform::SystemTimeToFileTime(system, local) ||
      !platform::LocalToUtcTime(local, utc)) {
    throw std::runtime_error("no file time for that local date");
  }
  return utc;
}

}  // namespace testsupport
