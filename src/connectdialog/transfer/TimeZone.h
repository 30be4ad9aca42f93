// The platform's time zones for a session's remote server: identifiers, display texts, labels,
// daylight-saving rules, lookups by identifier and by common abbreviation, offsets from UTC and
// the daylight-saving test for the present moment. The list is read once, in the constructor,
// from the machine hive (written there by the platform at first use), or built from the
// system's zone database when the machine hive cannot be brought up to date; it is ordered by
// bias from the furthest west. A list that can be had neither way is empty, and every lookup
// then fails.
// Threads: read-only after construction; readers may share it. Returned texts live as long as
// the object.
#pragma once

#include <vector>

#include "TimeZoneValues.h"
#include "platform/types/TimeTypes.h"

class TimeZone {
 public:
  TimeZone();
  virtual ~TimeZone();

  int TimeZoneCount() const;
  // Null when `index` is outside 0 .. count-1.
  char const* Identifier(int index) const;
  char const* Description(int index) const;
  // The first listed zone for a common abbreviation ("PST", "edt", "UTC"); null for any other.
  char const* Identifier(char const* abbreviation) const;
  // The daylight label while the zone is in daylight-saving time, else the standard label;
  // null for an empty or unknown identifier.
  char const* Label(char const* identifier) const;
  // Known identifier: its rule, isDaylight for now, 1. Unknown: 0, nothing written. Empty or
  // null: the process's current zone, 1, isDaylight untouched.
  int GetTimeZoneInformation(char const* identifier, TIME_ZONE_INFORMATION& info, int& isDaylight) const;
  // Offset in hours and minutes (UTC = local + offset), truncated toward zero, minutes with the
  // offset's sign. mode 0: standard; positive: daylight; negative: whichever holds now. Returns 1.
  static int GetOffset(TIME_ZONE_INFORMATION const& info, int& hours, int& minutes, int mode);

  // The rule arithmetic, public so that tools can show a year's transitions.
  // GetSpecificDate: the wDay-th wDayOfWeek of wMonth in `year` (the last when the month has
  // fewer) at the rule's time, as a local time in file-time form. 0, `out` untouched, when the
  // month has no such day or the date cannot be converted.
  static int GetSpecificDate(int year, SYSTEMTIME const& rule, FILETIME& out);
  // Whether the rule's daylight-saving time holds at `utcNow` (the current time without it).
  // Yearly dates are taken in the year of the local standard time; absolute dates as they stand.
  // Both instants are compared as local standard times, so the hour repeated when the clocks go
  // back still counts as daylight time.
  static bool IsInDaylightSavingTime(TIME_ZONE_INFORMATION const& info);
  static bool IsInDaylightSavingTime(TIME_ZONE_INFORMATION const& info, FILETIME const& utcNow);

 private:
  void LoadTimeZones();
  void LoadStoredList();
  void LoadBuiltList();
  void Insert(TimeZoneValues&& zone);
  int IdentifierIndex(char const* identifier) const;

  std::vector<TimeZoneValues> m_zones;
};
