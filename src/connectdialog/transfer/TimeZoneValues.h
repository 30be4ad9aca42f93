// One zone of the time-zone list: its identifier (the list's key name), the labels of its
// standard and daylight time, the text shown to users, and its rule (the names in the rule are
// not used).
#pragma once

#include "VString.h"
#include "platform/types/TimeTypes.h"

struct TimeZoneValues {
  VString identifier;
  VString standardLabel;
  VString daylightLabel;
  VString description;
  TIME_ZONE_INFORMATION rule{};
};
