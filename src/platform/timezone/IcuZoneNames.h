// Texts for zones that the CLDR mapping file does not describe, from ICU's English names.
#pragma once

#include <string>

class IcuZoneNames {
 public:
  // "(UTC-08:00) Pacific Time" for a zone `bias` minutes west of UTC in standard time.
  static std::string Display(std::string const& zoneId, int bias);
  // ICU's long standard or daylight name of the zone ("Pacific Daylight Time"), in UTF-16.
  static std::u16string LongName(std::string const& zoneId, bool daylight);
};
