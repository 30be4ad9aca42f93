#include "platform/timezone/IcuZoneNames.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

icu::UnicodeString DisplayName(std::string const& zoneId, bool daylight, icu::TimeZone::EDisplayType style) {
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneId)));
  icu::UnicodeString name;
  return zone->getDisplayName(daylight, style, icu::Locale::getUS(), name);
}

}  // namespace

std::string IcuZoneNames::Display(std::string const& zoneId, int bias) {
  char offset[32];
  std::snprintf(offset, sizeof offset, "(UTC%c%02d:%02d) ", bias > 0 ? '-' : '+', std::abs(bias) / 60,
                std::abs(bias) % 60);
  std::string name;
  DisplayName(zoneId, false, icu::TimeZone::LONG_GENERIC).toUTF8String(name);
  return offset + name;
}

std::u16string IcuZoneNames::LongName(std::string const& zoneId, bool daylight) {
  icu::UnicodeString const name = DisplayName(zoneId, daylight, icu::TimeZone::LONG);
  return std::u16string(name.getBuffer(), static_cast<size_t>(name.length()));
}
