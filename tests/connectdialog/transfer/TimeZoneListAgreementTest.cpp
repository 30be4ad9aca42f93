// Every zone of the written list against ICU's own transitions for its mapped zone in the
// current year.
#include <gtest/gtest.h>
#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/timezone/IcuWindowsZones.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "platform/timezone/WindowsZonesFile.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "transfer/TimeZone.h"

namespace {

constexpr double kMillisPerDay = 86400000.0;
constexpr uint64_t kUnixEpochTicks = 116444736000000000ull;

struct IcuChange {
  uint64_t ticks;  // UTC, file-time ticks
  bool toDaylight;
};

double YearStart(int year) {
  using namespace std::chrono;
  return sys_days(std::chrono::year(year) / January / 1).time_since_epoch().count() * kMillisPerDay;
}

// The changes between standard and daylight time whose local date lies in `year`.
std::vector<IcuChange> IcuChanges(icu::BasicTimeZone const& zone, int year) {
  std::vector<IcuChange> changes;
  icu::TimeZoneTransition transition;
  for (double after = YearStart(year) - 2 * kMillisPerDay;
       zone.getNextTransition(after, false, transition) &&
       transition.getTime() < YearStart(year + 1) + 2 * kMillisPerDay;
       after = transition.getTime()) {
    bool const fromDaylight = transition.getFrom()->getDSTSavings() != 0;
    bool const toDaylight = transition.getTo()->getDSTSavings() != 0;
    double const localBefore =
        transition.getTime() + transition.getFrom()->getRawOffset() + transition.getFrom()->getDSTSavings();
    if (fromDaylight != toDaylight && localBefore >= YearStart(year) && localBefore < YearStart(year + 1))
      changes.push_back({kUnixEpochTicks + static_cast<uint64_t>(transition.getTime()) * 10000, toDaylight});
  }
  return changes;
}

std::map<std::string, std::string> MappedZones() {
  std::vector<WindowsZone> zones;
  if (!WindowsZonesFile::Read(TimeZoneListWriter::kDefaultCldrPath, zones)) zones = IcuWindowsZones::Zones();
  std::map<std::string, std::string> mapped;
  for (WindowsZone const& zone : zones) mapped[zone.identifier] = zone.zoneId;
  return mapped;
}

// A rule date's instant in UTC: its clock time is the local time before the change.
uint64_t RuleInstant(int year, SYSTEMTIME const& date, int bias) {
  FILETIME local{};
  bool const ok =
      date.wYear == 0 ? TimeZone::GetSpecificDate(year, date, local) == 1 : SystemTimeToFileTime(&date, &local);
  EXPECT_TRUE(ok);
  return FileTimeTicks(local) + static_cast<uint64_t>(static_cast<int64_t>(bias) * kFileTimeTicksPerMinute);
}

TEST(TimeZoneListAgreementTest, EveryZoneFollowsItsMappedZoneThisYear) {
  ScopedEnv const tz("TZ", "UTC");
  ScopedRoot const root;
  int const year = CurrentUtcYear();
  TimeZone const zones;
  std::map<std::string, std::string> const mapped = MappedZones();
  ASSERT_GT(zones.TimeZoneCount(), 100);
  std::vector<std::string> absolute;
  std::vector<std::string> approximated;
  for (int i = 0; i < zones.TimeZoneCount(); ++i) {
    std::string const identifier = zones.Identifier(i);
    ASSERT_EQ(1u, mapped.count(identifier)) << identifier;
    std::unique_ptr<icu::TimeZone> zone(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(mapped.at(identifier))));
    auto const* basic = dynamic_cast<icu::BasicTimeZone const*>(zone.get());
    ASSERT_NE(nullptr, basic) << identifier;
    TIME_ZONE_INFORMATION info{};
    int isDaylight = 0;
    ASSERT_EQ(1, zones.GetTimeZoneInformation(identifier.c_str(), info, isDaylight));
    std::vector<IcuChange> const changes = IcuChanges(*basic, year);
    if (info.DaylightDate.wMonth == 0) {
      // No daylight time, or daylight time begun or ended for good this year: the stored rule
      // then holds the zone's state at the year's end.
      if (!changes.empty()) approximated.push_back(identifier);
      int32_t raw = 0;
      int32_t daylight = 0;
      UErrorCode status = U_ZERO_ERROR;
      zone->getOffset(YearStart(year + 1) - 1, false, raw, daylight, status);
      EXPECT_EQ(-(raw + daylight) / 60000, info.Bias) << identifier;
      continue;
    }
    // A change the yearly form cannot give is stored as this year's absolute date.
    if (info.DaylightDate.wYear != 0) absolute.push_back(identifier);
    ASSERT_EQ(2u, changes.size()) << identifier;
    IcuChange const& start = changes[0].toDaylight ? changes[0] : changes[1];
    IcuChange const& stop = changes[0].toDaylight ? changes[1] : changes[0];
    EXPECT_EQ(start.ticks, RuleInstant(year, info.DaylightDate, info.Bias + info.StandardBias)) << identifier;
    EXPECT_EQ(stop.ticks, RuleInstant(year, info.StandardDate, info.Bias + info.DaylightBias)) << identifier;
  }
  std::string report = "absolute dates this year:";
  for (std::string const& name : absolute) report += " [" + name + "]";
  report += "; no daylight time given for a year daylight time began or ended:";
  for (std::string const& name : approximated) report += " [" + name + "]";
  RecordProperty("skipped", report);
  std::cout << report << "\n";
}

}  // namespace
