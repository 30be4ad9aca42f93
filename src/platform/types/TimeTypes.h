// The platform's time records: calendar time, file time and a time zone's rule, with the byte
// layouts that the stored forms rely on (the time-zone list keeps REG_TZI_FORMAT as its "TZI").
#pragma once

#include <cstddef>
#include <cstdint>

// A calendar date and time; wDayOfWeek is 0 for Sunday. In a zone rule with wYear 0, wDay is
// the occurrence (1-5, 5 the last) of wDayOfWeek in wMonth.
struct SYSTEMTIME {
  uint16_t wYear;
  uint16_t wMonth;
  uint16_t wDayOfWeek;
  uint16_t wDay;
  uint16_t wHour;
  uint16_t wMinute;
  uint16_t wSecond;
  uint16_t wMilliseconds;
};

// 100-nanosecond intervals since 1601-01-01 00:00 UTC, split in two 32-bit halves.
struct FILETIME {
  uint32_t dwLowDateTime;
  uint32_t dwHighDateTime;
};

// A zone's rule: UTC = local time + Bias (+ StandardBias or DaylightBias in their periods).
struct TIME_ZONE_INFORMATION {
  int32_t Bias;
  char16_t StandardName[32];
  SYSTEMTIME StandardDate;
  int32_t StandardBias;
  char16_t DaylightName[32];
  SYSTEMTIME DaylightDate;
  int32_t DaylightBias;
};

// The stored 44-byte form of a rule, without the names.
struct REG_TZI_FORMAT {
  int32_t Bias;
  int32_t StandardBias;
  int32_t DaylightBias;
  SYSTEMTIME StandardDate;
  SYSTEMTIME DaylightDate;
};

static_assert(sizeof(SYSTEMTIME) == 16);
static_assert(sizeof(FILETIME) == 8);
static_assert(sizeof(TIME_ZONE_INFORMATION) == 172);
static_assert(offsetof(TIME_ZONE_INFORMATION, StandardDate) == 68);
static_assert(offsetof(TIME_ZONE_INFORMATION, StandardBias) == 84);
static_assert(offsetof(TIME_ZONE_INFORMATION, DaylightDate) == 152);
static_assert(offsetof(TIME_ZONE_INFORMATION, DaylightBias) == 168);
static_assert(sizeof(REG_TZI_FORMAT) == 44);
static_assert(offsetof(REG_TZI_FORMAT, StandardDate) == 12);
static_assert(offsetof(REG_TZI_FORMAT, DaylightDate) == 28);

// Answers of GetTimeZoneInformation.
constexpr uint32_t TIME_ZONE_ID_UNKNOWN = 0;
constexpr uint32_t TIME_ZONE_ID_STANDARD = 1;
constexpr uint32_t TIME_ZONE_ID_DAYLIGHT = 2;
constexpr uint32_t TIME_ZONE_ID_INVALID = 0xFFFFFFFFu;
