#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"
#include "platform/timezone/CurrentTimeZone.h"
#include "platform/timezone/IcuZoneRule.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "platform/timezone/WindowsZonesFile.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/HeldKey.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/SystemTimeText.h"
#include "support/TempFolder.h"

namespace {

using namespace std::string_literals;

TEST(SystemTimeTest, ValidTimesConvertBothWaysAndOutOfRangeFieldsAreRefused) {
  ExpectCaseFile("platform/system_times.txt", [](std::string const& text) -> std::string {
    SYSTEMTIME const time = SystemTimeOfText(text);
    FILETIME file{0xdeadbeef, 0xdeadbeef};
    if (!SystemTimeToFileTime(&time, &file))
      return FileTimeTicks(file) == 0xdeadbeefdeadbeefull ? "refused, output unchanged" : "refused, yet written";
    SYSTEMTIME back{};
    return std::to_string(FileTimeTicks(file)) + " -> " +
           (FileTimeToSystemTime(&file, &back) ? SystemTimeText(back) : "not read back");
  });
  FILETIME const tooLate = FileTimeFromTicks(1ull << 63);
  SYSTEMTIME untouched = At(1999, 9, 9);
  EXPECT_FALSE(FileTimeToSystemTime(&tooLate, &untouched));
  EXPECT_EQ(1999, untouched.wYear);
  EXPECT_FALSE(SystemTimeToFileTime(nullptr, nullptr));
}

TEST(SystemTimeTest, TheClockAgreesWithTheCalendarYear) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  SYSTEMTIME fields{};
  ASSERT_TRUE(FileTimeToSystemTime(&now, &fields));
  // The two calls may straddle a new year's midnight, never more.
  int const year = CurrentUtcYear();
  EXPECT_TRUE(year == fields.wYear || year == fields.wYear + 1) << year << " " << fields.wYear;
}

TEST(CurrentTimeZoneTest, FollowsTheProcessTimeZone) {
  struct Case { char const* tz; int bias; int daylightMonth; char16_t const* standardName; };
  Case const cases[] = {
      {"America/New_York", 300, 3, u"Eastern Standard Time"},
      // Names keep 31 characters and the terminator.
      {":Australia/Sydney", -600, 10, u"Australian Eastern Standard Tim"},
      {"Asia/Kolkata", -330, 0, u"India Standard Time"}, {"UTC", 0, 0, u"Coordinated Universal Time"},
  };
  for (Case const& c : cases) {
    ScopedEnv const tz("TZ", c.tz);
    TIME_ZONE_INFORMATION info;
    std::memset(&info, 0xAB, sizeof info);
    uint32_t const answer = GetTimeZoneInformation(&info);
    EXPECT_EQ(std::tuple(c.bias, c.daylightMonth, std::u16string(c.standardName)),
              std::tuple(info.Bias, int{info.DaylightDate.wMonth}, std::u16string(info.StandardName))) << c.tz;
    EXPECT_TRUE(c.daylightMonth ? answer == TIME_ZONE_ID_STANDARD || answer == TIME_ZONE_ID_DAYLIGHT
                                : answer == TIME_ZONE_ID_UNKNOWN) << c.tz << " " << answer;
  }
  EXPECT_EQ(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(nullptr));
}

TEST(IcuZoneRuleTest, TransitionsBecomeYearlyOrAbsoluteRulesAndUnknownZonesAndYearsAreRefused) {
  ExpectCaseFile("platform/icu_zone_rules.txt", [](std::string const& input) -> std::string {
    size_t const blank = input.rfind(' ');
    ZoneYearRule rule;
    rule.tzi.Bias = 12345;
    if (!IcuZoneRule::ForYear(input.substr(0, blank), std::stoi(input.substr(blank + 1)), rule))
      return rule.tzi.Bias == 12345 ? "refused, rule unchanged" : "refused, yet changed";
    char const* const forms[] = {"NoDaylight", "Yearly", "AbsoluteDates", "Approximated"};
    REG_TZI_FORMAT const& tzi = rule.tzi;
    return std::string(forms[static_cast<int>(rule.form)]) + " bias " + std::to_string(tzi.Bias) + " standard " +
           std::to_string(tzi.StandardBias) + " daylight " + std::to_string(tzi.DaylightBias) + "\nstandard " +
           SystemTimeText(tzi.StandardDate) + "\ndaylight " + SystemTimeText(tzi.DaylightDate) + "\n";
  });
}

std::string Describe(std::vector<WindowsZone> const& zones) {
  std::string text;
  for (WindowsZone const& zone : zones) text += zone.identifier + "|" + zone.display + "|" + zone.zoneId + "\n";
  return text;
}

TEST(WindowsZonesFileTest, ParsesGroupsWithTheirDisplayCommentsAndRefusesMalformedInput) {
  ExpectCaseFile("platform/windows_zones_parse.txt", [](std::string const& input) -> std::string {
    std::vector<WindowsZone> zones{{"kept", "", "Etc/UTC"}};
    if (!WindowsZonesFile::Parse(CaseWords(input)[0].text, zones))
      return Describe(zones) == "kept||Etc/UTC\n" ? "refused, list unchanged" : "refused, yet changed";
    return Describe(zones);
  });
  std::vector<WindowsZone> zones;
  EXPECT_FALSE(WindowsZonesFile::Read("/nonexistent/windowsZones.xml", zones));
  TempFolder folder;
  EXPECT_FALSE(WindowsZonesFile::Read(folder.Path(), zones));
}

TEST(WindowsZonesFileTest, TheInstalledFileGivesTheKnownZones) {
  std::vector<WindowsZone> zones;
  if (!WindowsZonesFile::Read(TimeZoneListWriter::kDefaultCldrPath, zones))
    GTEST_SKIP() << "unicode-cldr-core is not installed";
  EXPECT_GT(zones.size(), 100u);
  std::string const all = Describe(zones);
  for (char const* row : {"Pacific Standard Time|(UTC-08:00) Pacific Time (US & Canada)|America/Los_Angeles\n",
                          "Dateline Standard Time|(UTC-12:00) International Date Line West|Etc/GMT+12\n"})
    EXPECT_NE(std::string::npos, all.find(row)) << row;
  for (WindowsZone const& zone : zones) EXPECT_EQ("(UTC", zone.display.substr(0, 4)) << zone.identifier;
}

std::string const kList = TimeZoneListWriter::kKeyPath;

class TimeZoneListWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(m_mapping,
                   "<!-- (UTC-08:00) Pacific Time (US & Canada) -->\n"
                   "<mapZone other=\"Pacific Standard Time\" territory=\"001\" type=\"America/Los_Angeles\"/>\n"
                   "<mapZone other=\"Tokyo Standard Time\" territory=\"001\" type=\"Asia/Tokyo\"/>\n"
                   "<mapZone other=\"Nowhere Standard Time\" territory=\"001\" type=\"Nowhere/Zone\"/>\n"
                   "<mapZone other=\"Back\\slash\" territory=\"001\" type=\"Etc/UTC\"/>\n");
  }

  // A value of the list as "type:bytes"; "<missing>" when there is none.
  static std::string Value(std::string const& key, char const* name) {
    return RawValue(HeldKey::Opened(HKEY_LOCAL_MACHINE, key), name);
  }
  static std::vector<std::string> Zones() {
    std::vector<std::string> names;
    RegKeyReader::SubkeyNames(HeldKey::Opened(HKEY_LOCAL_MACHINE, kList), names);
    return names;
  }
  ScopedEnv m_tz{"TZ", "UTC"};
  ScopedRoot m_root;
  std::string const m_mapping = m_root.File("windowsZones.xml");
};

TEST_F(TimeZoneListWriterTest, WritesEachMappedZoneWithItsStoredForms) {
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).Write(2026));
  EXPECT_EQ((std::vector<std::string>{"Pacific Standard Time", "Tokyo Standard Time"}), Zones());
  std::string const pacific = kList + "\\Pacific Standard Time";
  EXPECT_EQ("1:Pacific Standard Time\0"s, Value(pacific, "Std"));
  EXPECT_EQ("1:Pacific Daylight Time\0"s, Value(pacific, "Dlt"));
  EXPECT_EQ("1:(UTC-08:00) Pacific Time (US & Canada)\0"s, Value(pacific, "Display"));
  unsigned char const tzi[44] = {0xe0, 0x01, 0,  0, 0, 0, 0, 0, 0xc4, 0xff, 0xff, 0xff,               // biases
                                 0,    0,    11, 0, 0, 0, 1, 0, 2,    0,    0,    0,    0, 0, 0, 0,   // November
                                 0,    0,    3,  0, 0, 0, 2, 0, 2,    0,    0,    0,    0, 0, 0, 0};  // March
  EXPECT_EQ("3:" + std::string(reinterpret_cast<char const*>(tzi), sizeof tzi), Value(pacific, "TZI"));
  std::string const tokyo = kList + "\\Tokyo Standard Time";
  EXPECT_EQ("1:Tokyo Daylight Time\0"s, Value(tokyo, "Dlt"));
  EXPECT_EQ("1:(UTC+09:00) ", Value(tokyo, "Display").substr(0, 14));
  EXPECT_EQ("3:\xe4\xfd\xff\xff"s + std::string(40, '\0'), Value(tokyo, "TZI"));
  EXPECT_EQ("1:", Value(kList, TimeZoneListWriter::kStampValue).substr(0, 2));
}

TEST_F(TimeZoneListWriterTest, AStampedListIsRenewedOnlyWhenItsSourcesChange) {
  std::string const pacific = kList + "\\Pacific Standard Time";
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  ASSERT_EQ(ERROR_SUCCESS, SetText(HeldKey(HKEY_LOCAL_MACHINE, pacific), "Display", "edited"));
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  EXPECT_EQ("1:edited\0"s, Value(pacific, "Display"));
  // Without the mapping file, ICU's own mapping and generated texts take over.
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_root.File("missing.xml")).EnsureWritten());
  EXPECT_GT(Zones().size(), 100u);
  EXPECT_EQ("1:(UTC-08:00) Pacific Time\0"s, Value(pacific, "Display"));
  EXPECT_EQ("3:\xe0\x01\0\0"s, Value(pacific, "TZI").substr(0, 6));
}

TEST_F(TimeZoneListWriterTest, AListWithoutAStampIsKeptAsItStands) {
  ASSERT_EQ(ERROR_SUCCESS, SetText(HeldKey(HKEY_LOCAL_MACHINE, kList + "\\Hand Made"), "Std", "mine"));
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  EXPECT_EQ(std::vector<std::string>{"Hand Made"}, Zones());
  EXPECT_EQ("<missing>", Value(kList, TimeZoneListWriter::kStampValue));
}

}  // namespace
