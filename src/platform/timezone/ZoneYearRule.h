// A zone's rule for one calendar year in the stored form, and how faithfully that form
// carries the zone's transitions.
#pragma once

#include "platform/types/TimeTypes.h"

struct ZoneYearRule {
  enum class Form {
    NoDaylight,     // no daylight-saving time that year: both months 0
    Yearly,         // both dates in the yearly week-of-month form, exact for that year
    AbsoluteDates,  // a transition no yearly form gives (say "Friday on or after the 23rd"):
                    // both dates absolute, exact for that year only
    Approximated,   // the year's transitions are not one daylight start and one standard start
                    // (daylight time begun or abolished): given as no daylight time
  };

  REG_TZI_FORMAT tzi{};
  Form form = Form::NoDaylight;
};
