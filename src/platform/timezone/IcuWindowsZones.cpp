#include "platform/timezone/IcuWindowsZones.h"

#include <unicode/strenum.h>
#include <unicode/timezone.h>

#include <memory>
#include <set>
#include <string>

namespace {

std::set<std::string> WindowsIdentifiers() {
  std::set<std::string> identifiers;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::StringEnumeration> all(icu::TimeZone::createEnumeration(status));
  for (icu::UnicodeString const* id; U_SUCCESS(status) && all && (id = all->snext(status)) != nullptr;) {
    icu::UnicodeString windowsId;
    UErrorCode mapStatus = U_ZERO_ERROR;
    icu::TimeZone::getWindowsID(*id, windowsId, mapStatus);
    std::string identifier;
    if (U_SUCCESS(mapStatus) && !windowsId.isEmpty()) identifiers.insert(windowsId.toUTF8String(identifier));
  }
  return identifiers;
}

}  // namespace

std::vector<WindowsZone> IcuWindowsZones::Zones() {
  std::vector<WindowsZone> zones;
  for (std::string const& identifier : WindowsIdentifiers()) {
    icu::UnicodeString zoneId;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getIDForWindowsID(icu::UnicodeString::fromUTF8(identifier), "001", zoneId, status);
    std::string zone;
    if (U_SUCCESS(status) && !zoneId.isEmpty()) zones.push_back({identifier, "", zoneId.toUTF8String(zone)});
  }
  return zones;
}
