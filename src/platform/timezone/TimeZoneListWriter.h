// Writes the platform's time-zone list into the machine hive, where the library reads it: one
// subkey per zone identifier with "Std" and "Dlt" (the standard and daylight labels), "Display"
// (the text shown to users) and "TZI" (the 44-byte REG_TZI_FORMAT rule for one year), as
// TimeZoneListBuilder makes them.
// Threads: one at a time; processes racing to write the list write the same content.
#pragma once

#include <string>

#include "platform/timezone/TimeZoneListBuilder.h"
#include "platform/types/WinTypes.h"

class TimeZoneListWriter {
 public:
  // Below HKEY_LOCAL_MACHINE; this platform answers as the NT family.
  static constexpr char kKeyPath[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
  // On the list's key: which tz data, year and mapping file the list was built from.
  static constexpr char kStampValue[] = "List Source";
  static constexpr auto& kDefaultCldrPath = TimeZoneListBuilder::kDefaultCldrPath;

  explicit TimeZoneListWriter(std::string cldrPath = kDefaultCldrPath) : m_builder(std::move(cldrPath)) {}

  // Writes the list for the current year unless the stored one was written for that year from
  // the same sources, or was put there by hand (it has no "List Source" value on the list's
  // key). ERROR_ACCESS_DENIED when the machine hive cannot be written: the stored
  // list, if any, then stays as it is.
  LSTATUS EnsureWritten() const;
  // Replaces the whole list with one for `year`, all or nothing.
  LSTATUS Write(int year) const;

 private:
  std::string Stamp(int year) const;
  LSTATUS WriteInUnit(int year) const;

  TimeZoneListBuilder m_builder;
};
