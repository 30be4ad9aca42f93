#include "platform/timezone/CurrentTimeZone.h"

#include <unicode/calendar.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/timezone/IcuZoneNames.h"
#include "platform/timezone/IcuZoneRule.h"
#include "platform/timezone/SystemTime.h"

namespace {

template <size_t N>
void CopyName(std::u16string const& name, char16_t (&target)[N]) {
  size_t const length = std::min(name.size(), N - 1);
  std::copy_n(name.begin(), length, target);
  std::fill(target + length, target + N, u'\0');
}

}  // namespace

uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION* info) {
  if (!info) return TIME_ZONE_ID_INVALID;
  std::unique_ptr<icu::TimeZone> const host(icu::TimeZone::detectHostTimeZone());
  icu::UnicodeString id;
  std::string zoneId;
  host->getID(id).toUTF8String(zoneId);
  ZoneYearRule rule;
  // A zone ICU cannot name (Etc/Unknown) reads as UTC.
  IcuZoneRule::ForYear(zoneId, CurrentUtcYear(), rule);
  *info = TIME_ZONE_INFORMATION{};
  info->Bias = rule.tzi.Bias;
  info->StandardBias = rule.tzi.StandardBias;
  info->DaylightBias = rule.tzi.DaylightBias;
  info->StandardDate = rule.tzi.StandardDate;
  info->DaylightDate = rule.tzi.DaylightDate;
  CopyName(IcuZoneNames::LongName(zoneId, false), info->StandardName);
  CopyName(IcuZoneNames::LongName(zoneId, true), info->DaylightName);
  bool const hasDaylight = rule.form == ZoneYearRule::Form::Yearly || rule.form == ZoneYearRule::Form::AbsoluteDates;
  if (!hasDaylight) return TIME_ZONE_ID_UNKNOWN;
  int32_t raw = 0;
  int32_t daylight = 0;
  UErrorCode status = U_ZERO_ERROR;
  host->getOffset(icu::Calendar::getNow(), false, raw, daylight, status);
  return U_SUCCESS(status) && daylight != 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}
