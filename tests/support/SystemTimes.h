// SYSTEMTIME values spelt as tests read them: every field, a calendar instant, or a yearly rule.
#pragma once

#include <cstdint>

#include "platform/types/TimeTypes.h"

inline SYSTEMTIME Fields(int year, int month, int dayOfWeek, int day, int hour, int minute = 0, int second = 0,
                         int millis = 0) {
  auto const field = [](int value) { return static_cast<uint16_t>(value); };
  return SYSTEMTIME{field(year), field(month),  field(dayOfWeek), field(day),
                    field(hour), field(minute), field(second),    field(millis)};
}

// An instant of the calendar; the day of the week is left 0.
inline SYSTEMTIME At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int millis = 0) {
  return Fields(year, month, 0, day, hour, minute, second, millis);
}

// A yearly rule: the `week`-th `dayOfWeek` of `month` (5: the last) at `hour`, in any year.
inline SYSTEMTIME Yearly(int month, int dayOfWeek, int week, int hour) { return Fields(0, month, dayOfWeek, week, hour); }
