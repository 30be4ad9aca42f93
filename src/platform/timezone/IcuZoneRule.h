// Builds a time-zone database zone's rule for one calendar year from ICU's transitions of that
// year. Dates follow the platform convention: the time of day is the local clock time just
// before the transition; yearly rules come from ICU's annual rules when their week-of-month
// form gives the same day.
#pragma once

#include <string>

#include "platform/timezone/ZoneYearRule.h"

class IcuZoneRule {
 public:
  // False, with `rule` untouched, for a zone ICU does not know or a year outside 1601-30827.
  static bool ForYear(std::string const& zoneId, int year, ZoneYearRule& rule);
};
