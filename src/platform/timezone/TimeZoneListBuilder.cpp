#include "platform/timezone/TimeZoneListBuilder.h"

#include "platform/timezone/IcuWindowsZones.h"
#include "platform/timezone/IcuZoneNames.h"
#include "platform/timezone/IcuZoneRule.h"
#include "platform/timezone/WindowsZonesFile.h"

namespace {

// "Pacific Standard Time" is in daylight time "Pacific Daylight Time"; names without
// "Standard" keep their form.
std::string DaylightLabel(std::string const& identifier) {
  std::string label = identifier;
  if (size_t const at = label.find("Standard"); at != std::string::npos) label.replace(at, 8, "Daylight");
  return label;
}

}  // namespace

std::vector<TimeZoneListEntry> TimeZoneListBuilder::Build(int year) const {
  std::vector<WindowsZone> zones;
  if (!WindowsZonesFile::Read(m_cldrPath, zones)) zones = IcuWindowsZones::Zones();
  std::vector<TimeZoneListEntry> entries;
  entries.reserve(zones.size());
  for (WindowsZone const& zone : zones) {
    ZoneYearRule rule;
    if (zone.identifier.find('\\') != std::string::npos || !IcuZoneRule::ForYear(zone.zoneId, year, rule)) continue;
    std::string display = zone.display.empty() ? IcuZoneNames::Display(zone.zoneId, rule.tzi.Bias) : zone.display;
    entries.push_back({zone.identifier, zone.identifier, DaylightLabel(zone.identifier), std::move(display), rule.tzi});
  }
  return entries;
}
