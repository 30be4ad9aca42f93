// The platform's clock and calendar conversions between SYSTEMTIME and FILETIME (the
// proleptic Gregorian calendar, years 1601 to 30827, no leap seconds).
#pragma once

#include <cstdint>

#include "platform/types/TimeTypes.h"

// The current time in UTC.
void GetSystemTimeAsFileTime(FILETIME* now);
// The calendar year of the current time in UTC.
int CurrentUtcYear();

// False, with *out untouched, when a field is out of range (month 1-12, a day the month has,
// hour < 24, minute and second < 60, milliseconds < 1000) or the year is outside 1601-30827.
// wDayOfWeek is ignored.
bool SystemTimeToFileTime(SYSTEMTIME const* in, FILETIME* out);
// False, with *out untouched, for times of 2^63 ticks and more; fills wDayOfWeek.
bool FileTimeToSystemTime(FILETIME const* in, SYSTEMTIME* out);

inline uint64_t FileTimeTicks(FILETIME const& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
inline FILETIME FileTimeFromTicks(uint64_t ticks) {
  return FILETIME{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
}

constexpr int64_t kFileTimeTicksPerMinute = 600000000;
