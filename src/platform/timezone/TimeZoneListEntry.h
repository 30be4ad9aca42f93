// One zone of the platform's time-zone list as it is stored: the identifier (its key name), the
// "Std", "Dlt" and "Display" texts and the "TZI" rule of one year.
#pragma once

#include <string>

#include "platform/types/TimeTypes.h"

struct TimeZoneListEntry {
  std::string identifier;     // "Pacific Standard Time"
  std::string standardLabel;  // "Pacific Standard Time"
  std::string daylightLabel;  // "Pacific Daylight Time"
  std::string display;        // "(UTC-08:00) Pacific Time (US & Canada)"
  REG_TZI_FORMAT tzi{};
};
