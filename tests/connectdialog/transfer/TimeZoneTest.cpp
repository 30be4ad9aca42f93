// The zone list as written for this machine or hand-made, the rules' dates and offsets, and every
// written zone against ICU's own transitions for its mapped zone in the current year.
#include <gtest/gtest.h>
#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>

#include "platform/timezone/IcuWindowsZones.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "platform/timezone/WindowsZonesFile.h"
#include "support/CaseFile.h"
#include "support/Joined.h"
#include "support/RegistryCalls.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/SystemTimeText.h"
#include "support/UnprivilegedChild.h"
#include "transfer/TimeZone.h"

namespace {

FILETIME File(SYSTEMTIME const& time) {
  FILETIME file{};
  EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
  return file;
}

TIME_ZONE_INFORMATION Rule(int bias, int daylightBias, SYSTEMTIME standardDate = {}, SYSTEMTIME daylightDate = {}) {
  TIME_ZONE_INFORMATION info{};
  info.Bias = bias;
  info.DaylightBias = daylightBias;
  info.StandardDate = standardDate;
  info.DaylightDate = daylightDate;
  return info;
}

// A hand-made list (no stamp, so it is read as it stands).
class TimeZoneTest : public ::testing::Test {
 protected:
  static void AddZone(std::string const& name, char const* standard, int bias, size_t tziSize = 44,
                      TIME_ZONE_INFORMATION const& info = {}) {
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, std::string(TimeZoneListWriter::kKeyPath) + "\\" + name);
    ASSERT_NE(nullptr, key);
    if (standard) SetText(key, "Std", standard);
    SetText(key, "Dlt", name + " dlt");
    SetText(key, "Display", "(display) " + name);
    REG_TZI_FORMAT tzi{bias, info.StandardBias, info.DaylightBias, info.StandardDate, info.DaylightDate};
    if (tziSize) RegSetValueEx(key, "TZI", 0, REG_BINARY, reinterpret_cast<unsigned char const*>(&tzi), tziSize);
    RegCloseKey(key);
  }
  ScopedEnv m_tz{"TZ", "UTC"};
  ScopedRoot m_root;
};

TEST_F(TimeZoneTest, LoadsByBiasFromTheWestWithTheFallbacksOfMissingValues) {
  AddZone("B Mid", "B std", 0);
  AddZone("C Same", "C std", 0);
  AddZone("A West", "A std", 480);
  AddZone("D East", "D std", -330);
  AddZone("H NoStd", nullptr, 60);
  AddZone("I EmptyStd", "", 60);
  AddZone("E NoRule", "E std", 0, 0);
  AddZone("F ShortRule", "F std", 0, 40);
  AddZone("G", "G std", 0);
  AddZone("Z" + std::string(31, 'z'), "too long", 0);
  TimeZone const zones;
  char const* const order[] = {"A West", "I EmptyStd", "H NoStd", "C Same", "B Mid", "D East"};
  ASSERT_EQ(6, zones.TimeZoneCount());
  for (int i = 0; i < 6; ++i) {
    EXPECT_STREQ(order[i], zones.Identifier(i));
    EXPECT_EQ("(display) " + std::string(order[i]), zones.Description(i));
  }
  for (int outside : {-1, 6, 1 << 30}) {
    EXPECT_EQ(nullptr, zones.Identifier(outside));
    EXPECT_EQ(nullptr, zones.Description(outside));
  }
  EXPECT_EQ(Joined(zones.Label("a WEST"), zones.Label("H NoStd"), zones.Label("I EmptyStd"), zones.Label("E NoRule"),
                   zones.Label(""), zones.Label(nullptr)), "A std|H NoStd|I EmptyStd|(null)|(null)|(null)");
}

TEST_F(TimeZoneTest, AbbreviationsGiveTheFirstListedZoneOfTheirPrefix) {
  AddZone("Eastern Standard Time", nullptr, 300);
  AddZone("GMT Standard Time", nullptr, 0);
  AddZone("Pacific Standard Time", nullptr, 480);
  AddZone("Pacific Standard Time (Mexico)", nullptr, 480);
  AddZone("US Eastern Standard Time", nullptr, 300);
  TimeZone const zones;
  ExpectCaseFile("connectdialog/zone_abbreviations.txt",
                 [&](std::string const& abbreviation) { return Joined(zones.Identifier(abbreviation.c_str())); });
  EXPECT_EQ(zones.Identifier(static_cast<char const*>(nullptr)), nullptr);
}

TEST_F(TimeZoneTest, GetTimeZoneInformationCopiesAKnownRuleAndTheProcessZoneForNone) {
  TIME_ZONE_INFORMATION const pacific = Rule(480, -60, Yearly(11, 0, 1, 2), Yearly(3, 0, 2, 2));
  AddZone("Pacific Standard Time", nullptr, 480, 44, pacific);
  AddZone("Tokyo Standard Time", nullptr, -540);
  TimeZone const zones;
  TIME_ZONE_INFORMATION info;
  std::memset(&info, 0xAB, sizeof info);
  int isDaylight = 7;
  EXPECT_EQ(0, zones.GetTimeZoneInformation("Atlantis Standard Time", info, isDaylight));
  EXPECT_EQ(std::pair(7, static_cast<int32_t>(0xABABABAB)), std::pair(isDaylight, info.Bias));
  EXPECT_EQ(1, zones.GetTimeZoneInformation("pacific standard time", info, isDaylight));
  EXPECT_EQ(0, std::memcmp(&pacific, &info, sizeof info));
  EXPECT_EQ(TimeZone::IsInDaylightSavingTime(pacific) ? 1 : 0, isDaylight);
  EXPECT_EQ(1, zones.GetTimeZoneInformation("Tokyo Standard Time", info, isDaylight));
  EXPECT_EQ(0, isDaylight);
  ScopedEnv const tokyo("TZ", "Asia/Tokyo");
  for (char const* none : {"", static_cast<char const*>(nullptr)}) {
    isDaylight = 7;
    EXPECT_EQ(Joined(zones.GetTimeZoneInformation(none, info, isDaylight), info.Bias, isDaylight), "1|-540|7");
  }
}

TEST(TimeZoneRuleTest, GetSpecificDateCountsOccurrencesOfTheDayOfWeek) {
  ExpectCaseFile("connectdialog/zone_rule_dates.txt", [](std::string const& input) -> std::string {
    FILETIME out{1, 2};
    SYSTEMTIME date{};
    if (!TimeZone::GetSpecificDate(std::stoi(input), SystemTimeOfText(input.substr(input.find(' ') + 1)), out))
      return out.dwLowDateTime == 1 && out.dwHighDateTime == 2 ? "refused, output unchanged" : "refused, yet written";
    return FileTimeToSystemTime(&out, &date) ? SystemTimeText(date) : "no date";
  });
}

TEST(TimeZoneRuleTest, DaylightTimeHoldsBetweenTheRuleInstantsAndOffsetsTruncateTowardZero) {
  std::map<std::string, TIME_ZONE_INFORMATION> const rules{
      {"northern", Rule(480, -60, Yearly(11, 0, 1, 2), Yearly(3, 0, 2, 2))},
      {"southern", Rule(-600, -60, Yearly(4, 0, 1, 3), Yearly(10, 0, 1, 2))},
      {"none", Rule(-540, -60, SYSTEMTIME{}, Yearly(3, 0, 2, 2))},
      {"absolute", Rule(-120, -60, At(2026, 10, 25, 2), At(2026, 3, 27, 2))}};
  ExpectCaseFile("connectdialog/zone_daylight.txt", [&](std::string const& input) {
    FILETIME const utc = File(SystemTimeOfText(input.substr(input.find(' ') + 1)));
    return TimeZone::IsInDaylightSavingTime(rules.at(input.substr(0, input.find(' '))), utc) ? "daylight" : "standard";
  });
  EXPECT_FALSE(TimeZone::IsInDaylightSavingTime(rules.at("northern"), FILETIME{0, 0}));
  ExpectCaseFile("connectdialog/zone_offsets.txt", [](std::string const& line) {
    int bias = 0, daylightBias = 0, mode = 0, hours = 99, minutes = 99;
    std::sscanf(line.c_str(), "%d %d %d", &bias, &daylightBias, &mode);
    TIME_ZONE_INFORMATION const info = line.ends_with(" all-year")
                                           ? Rule(bias, daylightBias, At(30827, 12, 31, 23), At(1601, 1, 2, 0))
                                           : Rule(bias, daylightBias);
    int const result = TimeZone::GetOffset(info, hours, minutes, mode);
    return Joined(result, hours, minutes);
  });
}

constexpr double kMillisPerDay = 86400000.0;
constexpr uint64_t kUnixEpochTicks = 116444736000000000ull;

// ticks: UTC, file-time ticks
struct IcuChange { uint64_t ticks; bool toDaylight; };

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
  std::vector<std::string> absolute, approximated;
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
      int32_t raw = 0, daylight = 0;
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

namespace fs = std::filesystem;

// Every zone's identifier, description and rule in list order; the label too where it does not
// depend on the moment (no daylight time).
std::string Listing() {
  TimeZone const zones;
  std::string listing;
  for (int i = 0; i < zones.TimeZoneCount(); ++i) {
    TIME_ZONE_INFORMATION info{};
    int isDaylight = 0;
    zones.GetTimeZoneInformation(zones.Identifier(i), info, isDaylight);
    listing += std::string(zones.Identifier(i)) + "|" + zones.Description(i) + "|" +
               std::string(reinterpret_cast<char const*>(&info), sizeof info) + "|" +
               (info.DaylightDate.wMonth == 0 ? zones.Label(zones.Identifier(i)) : "") + "\n";
  }
  return listing;
}

TEST(TimeZoneUnprivilegedTest, AUserWhoCannotWriteTheMachineHiveGetsTheListRootStores) {
  ScopedEnv const tz("TZ", "UTC");
  ScopedRoot const root;
  fs::path const machine = root.File("machine");
  // As on a fresh system: the machine folder is there, and only its owner may write it.
  fs::create_directory(machine);
  fs::permissions(root.Path(), fs::perms(0755));
  fs::permissions(machine, fs::perms(0555));
  std::optional<std::string> const built = RunUnprivileged(Listing);
  ASSERT_TRUE(built.has_value()) << "the unprivileged child did not run to its end";
  EXPECT_TRUE(fs::is_empty(machine)) << "nothing is stored for a user who may not write there";
  fs::permissions(machine, fs::perms::owner_write, fs::perm_options::add);
  RegUnloadHives();
  std::string const stored = Listing();
  ASSERT_TRUE(fs::exists(machine / "registry.db"));
  EXPECT_GT(std::count(stored.begin(), stored.end(), '\n'), 100);
  EXPECT_EQ(stored, *built);
}

}  // namespace
