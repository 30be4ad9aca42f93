// A SYSTEMTIME as case files spell it, every field: "2026-03-08 10:00:00.000 w0" (w: the day of the
// week). A yearly rule reads as year 0, its day the week of the month (5: the last).
#pragma once

#include <cstdio>
#include <string>

#include "support/SystemTimes.h"

inline std::string SystemTimeText(SYSTEMTIME const& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d w%d", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
  return text;
}

// The fields of `text` in that form; the day of the week may be left out (0).
inline SYSTEMTIME SystemTimeOfText(std::string const& text) {
  int f[8] = {};
  std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d.%d w%d", &f[0], &f[1], &f[3], &f[4], &f[5], &f[6], &f[7], &f[2]);
  return Fields(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
}
