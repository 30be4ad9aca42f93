// Reads the CLDR mapping of platform zone identifiers to time-zone database zones
// (supplemental/windowsZones.xml): for each identifier its zone for territory "001" and the
// display text of the comment that precedes the identifier's first mapping.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/timezone/WindowsZone.h"

class WindowsZonesFile {
 public:
  // The zones in file order, one per identifier. False, with `zones` untouched, when the file
  // cannot be read, is malformed (an unterminated comment, tag or attribute) or maps no zone.
  static bool Read(std::string const& path, std::vector<WindowsZone>& zones);
  static bool Parse(std::string_view text, std::vector<WindowsZone>& zones);
};
