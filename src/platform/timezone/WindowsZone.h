// One entry of the time-zone list before its rule is known: the platform's zone identifier,
// the text shown to users, and the time-zone database zone whose rules it follows.
#pragma once

#include <string>

struct WindowsZone {
  std::string identifier;  // "Pacific Standard Time"
  std::string display;     // "(UTC-08:00) Pacific Time (US & Canada)"; empty when unknown
  std::string zoneId;      // "America/Los_Angeles"
};
