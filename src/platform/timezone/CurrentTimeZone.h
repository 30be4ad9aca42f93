// The process's current time zone: TZ when it names a zone, else the system's local zone
// (/etc/localtime), as ICU detects it at each call.
#pragma once

#include <cstdint>

#include "platform/types/TimeTypes.h"

// Fills `info` with the current zone's rule for the current year, with ICU's English long
// names. Answers TIME_ZONE_ID_UNKNOWN for a zone without daylight-saving time that year,
// otherwise TIME_ZONE_ID_DAYLIGHT or TIME_ZONE_ID_STANDARD for the present moment.
uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION* info);
