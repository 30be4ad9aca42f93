// ICU's own mapping of time-zone database zones to platform zone identifiers: the stand-in for
// the CLDR mapping file when that is not installed. Display texts are left empty.
#pragma once

#include <vector>

#include "platform/timezone/WindowsZone.h"

class IcuWindowsZones {
 public:
  // Every identifier ICU maps some zone to, in identifier order, each with its world-wide zone.
  static std::vector<WindowsZone> Zones();
};
