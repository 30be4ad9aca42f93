#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/SystemTimes.h"
#include "transfer/TimeZone.h"

namespace {

using KeyHolder = std::unique_ptr<HKEY__, decltype(&RegCloseKey)>;

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
    HKEY key = nullptr;
    std::string const path = std::string(TimeZoneListWriter::kKeyPath) + "\\" + name;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    KeyHolder const holder(key, &RegCloseKey);
    if (standard) SetText(key, "Std", standard);
    SetText(key, "Dlt", name + " dlt");
    SetText(key, "Display", "(display) " + name);
    REG_TZI_FORMAT tzi{bias, info.StandardBias, info.DaylightBias, info.StandardDate, info.DaylightDate};
    if (tziSize) RegSetValueEx(key, "TZI", 0, REG_BINARY, reinterpret_cast<unsigned char const*>(&tzi), tziSize);
  }

  static void SetText(HKEY key, char const* name, std::string const& text) {
    RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text.c_str()),
                  static_cast<unsigned long>(text.size() + 1));
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
  EXPECT_STREQ("A std", zones.Label("a WEST"));
  EXPECT_STREQ("H NoStd", zones.Label("H NoStd"));
  EXPECT_STREQ("I EmptyStd", zones.Label("I EmptyStd"));
  EXPECT_EQ(nullptr, zones.Label("E NoRule"));
  EXPECT_EQ(nullptr, zones.Label(""));
  EXPECT_EQ(nullptr, zones.Label(nullptr));
}

TEST_F(TimeZoneTest, AbbreviationsGiveTheFirstListedZoneOfTheirPrefix) {
  AddZone("Eastern Standard Time", nullptr, 300);
  AddZone("GMT Standard Time", nullptr, 0);
  AddZone("Pacific Standard Time", nullptr, 480);
  AddZone("Pacific Standard Time (Mexico)", nullptr, 480);
  AddZone("US Eastern Standard Time", nullptr, 300);
  TimeZone const zones;
  struct Case { char const* abbreviation; char const* identifier; };
  Case const cases[] = {
      {"PST", "Pacific Standard Time (Mexico)"}, {"pdt", "Pacific Standard Time (Mexico)"},
      {"EST", "Eastern Standard Time"}, {"eDt", "Eastern Standard Time"}, {"UTC", "GMT Standard Time"},
      {"ut", "GMT Standard Time"}, {"CUT", "GMT Standard Time"}, {"gmt", "GMT Standard Time"}, {"AST", nullptr},
      {"QQQ", nullptr}, {"PS", nullptr}, {"PSTX", nullptr}, {"", nullptr}, {nullptr, nullptr},
  };
  for (Case const& c : cases) {
    char const* found = zones.Identifier(c.abbreviation);
    if (c.identifier)
      EXPECT_STREQ(c.identifier, found) << (c.abbreviation ? c.abbreviation : "null");
    else
      EXPECT_EQ(nullptr, found) << (c.abbreviation ? c.abbreviation : "null");
  }
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
  EXPECT_EQ(7, isDaylight);
  EXPECT_EQ(static_cast<int32_t>(0xABABABAB), info.Bias);

  EXPECT_EQ(1, zones.GetTimeZoneInformation("pacific standard time", info, isDaylight));
  EXPECT_EQ(0, std::memcmp(&pacific, &info, sizeof info));
  EXPECT_EQ(TimeZone::IsInDaylightSavingTime(pacific) ? 1 : 0, isDaylight);
  EXPECT_EQ(1, zones.GetTimeZoneInformation("Tokyo Standard Time", info, isDaylight));
  EXPECT_EQ(0, isDaylight);

  ScopedEnv const tokyo("TZ", "Asia/Tokyo");
  for (char const* none : {"", static_cast<char const*>(nullptr)}) {
    isDaylight = 7;
    EXPECT_EQ(1, zones.GetTimeZoneInformation(none, info, isDaylight));
    EXPECT_EQ(-540, info.Bias);
    EXPECT_EQ(7, isDaylight);
  }
}

TEST(TimeZoneRuleTest, GetSpecificDateCountsOccurrencesOfTheDayOfWeek) {
  struct Case { int year; SYSTEMTIME rule; SYSTEMTIME expected; };
  Case const cases[] = {
      {2027, Yearly(10, 0, 5, 2), At(2027, 10, 31, 2)},  // the last Sunday is the 31st
      {2029, Yearly(4, 0, 1, 2), At(2029, 4, 1, 2)},     // the first Sunday is the 1st
      {2026, Yearly(3, 0, 2, 2), At(2026, 3, 8, 2)},
      {2026, Yearly(2, 0, 5, 3), At(2026, 2, 22, 3)},  // four Sundays: the fifth is the last
      {2024, Yearly(2, 4, 5, 0), At(2024, 2, 29, 0)},  // leap day
      {2026, Yearly(12, 6, 4, 23), At(2026, 12, 26, 23)},
  };
  for (Case const& c : cases) {
    FILETIME out{};
    ASSERT_EQ(1, TimeZone::GetSpecificDate(c.year, c.rule, out)) << c.year << "-" << c.rule.wMonth;
    EXPECT_EQ(FileTimeTicks(File(c.expected)), FileTimeTicks(out)) << c.year << "-" << c.rule.wMonth;
  }
  SYSTEMTIME const bad[] = {Yearly(0, 0, 1, 2), Yearly(13, 0, 1, 2), Yearly(3, 7, 1, 2), Yearly(3, 0, 1, 24)};
  for (SYSTEMTIME const& rule : bad) {
    FILETIME out{1, 2};
    EXPECT_EQ(0, TimeZone::GetSpecificDate(2026, rule, out)) << rule.wMonth << " " << rule.wDayOfWeek;
    EXPECT_EQ(1u, out.dwLowDateTime);
  }
  FILETIME out{};
  EXPECT_EQ(0, TimeZone::GetSpecificDate(1600, Yearly(3, 0, 1, 2), out));
}

TEST(TimeZoneRuleTest, DaylightTimeHoldsBetweenTheRuleInstants) {
  TIME_ZONE_INFORMATION const northern = Rule(480, -60, Yearly(11, 0, 1, 2), Yearly(3, 0, 2, 2));
  TIME_ZONE_INFORMATION const southern = Rule(-600, -60, Yearly(4, 0, 1, 3), Yearly(10, 0, 1, 2));
  TIME_ZONE_INFORMATION const none = Rule(-540, -60, SYSTEMTIME{}, Yearly(3, 0, 2, 2));
  TIME_ZONE_INFORMATION const absolute = Rule(-120, -60, At(2026, 10, 25, 2), At(2026, 3, 27, 2));
  struct Case { char const* what; TIME_ZONE_INFORMATION const& info; SYSTEMTIME utc; bool daylight; };
  Case const cases[] = {
      {"northern, a second before the start", northern, At(2026, 3, 8, 9, 59, 59), false},
      {"northern, at the start", northern, At(2026, 3, 8, 10), true},
      {"northern, summer", northern, At(2026, 7, 1, 12), true},
      // Both instants are taken as local standard time: the repeated hour still counts as daylight.
      {"northern, the repeated hour", northern, At(2026, 11, 1, 9, 30), true},
      {"northern, at the end", northern, At(2026, 11, 1, 10), false},
      {"northern, January", northern, At(2026, 1, 15, 12), false},
      {"southern, January", southern, At(2026, 1, 15, 12), true},
      {"southern, July", southern, At(2026, 7, 15, 12), false},
      {"southern, December", southern, At(2026, 12, 15, 12), true},
      {"no standard month", none, At(2026, 7, 1, 12), false},
      {"absolute dates, their year", absolute, At(2026, 6, 1, 12), true},
      {"absolute dates, another year", absolute, At(2027, 6, 1, 12), false},
  };
  for (Case const& c : cases) EXPECT_EQ(c.daylight, TimeZone::IsInDaylightSavingTime(c.info, File(c.utc))) << c.what;
  EXPECT_FALSE(TimeZone::IsInDaylightSavingTime(northern, FILETIME{0, 0}));
}

TEST(TimeZoneRuleTest, GetOffsetTruncatesTowardZero) {
  // Daylight time from the first to the last representable instant: "now" is always inside.
  TIME_ZONE_INFORMATION const summerAllYear = Rule(480, -60, At(30827, 12, 31, 23), At(1601, 1, 2, 0));
  struct Case { TIME_ZONE_INFORMATION info; int mode; int hours; int minutes; };
  Case const cases[] = {
      {Rule(300, -60), 0, 5, 0},   {Rule(480, -60), 0, 8, 0}, {Rule(-330, 0), 0, -5, -30},
      {Rule(-345, 0), 0, -5, -45}, {Rule(480, -60), 1, 7, 0}, {Rule(30, -60), 1, 0, -30},
      {Rule(480, -60), -1, 8, 0},  {summerAllYear, -1, 7, 0}, {summerAllYear, 0, 8, 0},
  };
  for (Case const& c : cases) {
    int hours = 99;
    int minutes = 99;
    EXPECT_EQ(1, TimeZone::GetOffset(c.info, hours, minutes, c.mode));
    EXPECT_EQ(c.hours, hours) << c.info.Bias << " mode " << c.mode;
    EXPECT_EQ(c.minutes, minutes) << c.info.Bias << " mode " << c.mode;
  }
}

}  // namespace
