// Builds the platform's time-zone list for one year from the system's zone database: the
// identifiers and display texts of the CLDR mapping file (ICU's own mapping when that file is
// missing or unreadable), the rules from ICU's transitions of the year. The machine hive stores
// exactly these entries; a process that cannot write it uses them as they are.
#pragma once

#include <string>
#include <vector>

#include "platform/timezone/TimeZoneListEntry.h"

class TimeZoneListBuilder {
 public:
  static constexpr char kDefaultCldrPath[] = "/usr/share/unicode/cldr/common/supplemental/windowsZones.xml";

  explicit TimeZoneListBuilder(std::string cldrPath = kDefaultCldrPath) : m_cldrPath(std::move(cldrPath)) {}

  // In the mapping's order. Zones ICU does not know, and identifiers with a backslash (they
  // would make nested keys), are left out.
  std::vector<TimeZoneListEntry> Build(int year) const;
  std::string const& CldrPath() const { return m_cldrPath; }

 private:
  std::string m_cldrPath;
};
