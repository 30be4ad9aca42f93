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
#include "support/HeldKey.h"
#include "support/Hex.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/SystemTimes.h"
#include "support/TempFolder.h"

namespace {

using namespace std::string_literals;

TEST(SystemTimeTest, ValidTimesConvertBothWays) {
  struct Case { SYSTEMTIME time; uint64_t ticks; int dayOfWeek; };
  Case const cases[] = {
      {At(1601, 1, 1), 0, 1}, {At(1970, 1, 1), 116444736000000000ull, 4},
      {At(2024, 2, 29, 23, 59, 59, 999), 133537247999990000ull, 4}, {At(2026, 3, 8, 10), 134174376000000000ull, 0},
      {At(30827, 12, 31, 23, 59, 59, 999), 9223149887999990000ull, 5},
  };
  for (Case const& c : cases) {
    FILETIME file{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.time, &file)) << c.time.wYear;
    EXPECT_EQ(c.ticks, FileTimeTicks(file)) << c.time.wYear;
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&file, &back));
    SYSTEMTIME expected = c.time;
    expected.wDayOfWeek = static_cast<uint16_t>(c.dayOfWeek);
    EXPECT_EQ(0, std::memcmp(&expected, &back, sizeof back)) << c.time.wYear;
  }
}

TEST(SystemTimeTest, OutOfRangeFieldsAreRefusedAndLeaveTheOutputAlone) {
  SYSTEMTIME const bad[] = {At(1600, 12, 31),   At(30828, 1, 1),      At(2023, 2, 29),          At(2024, 13, 1),
                            At(2024, 0, 1),     At(2024, 4, 31),      At(2024, 1, 0),           At(2024, 1, 1, 24),
                            At(2024, 1, 1, 0, 60), At(2024, 1, 1, 0, 0, 60), At(2024, 1, 1, 0, 0, 0, 1000)};
  for (SYSTEMTIME const& time : bad) {
    FILETIME file{0xdeadbeef, 0xdeadbeef};
    EXPECT_FALSE(SystemTimeToFileTime(&time, &file)) << time.wYear << "-" << time.wMonth << "-" << time.wDay;
    EXPECT_EQ(0xdeadbeefu, file.dwLowDateTime);
  }
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

using Form = ZoneYearRule::Form;

// Settled rules only, so that newer tz data keeps them.
TEST(IcuZoneRuleTest, TransitionsBecomeYearlyOrAbsoluteRules) {
  struct Case { char const* zone; int year; Form form; REG_TZI_FORMAT tzi; };
  SYSTEMTIME const none{};
  Case const cases[] = {
      // Sunday on or after the 8th of March, first Sunday of November; times are the clock
      // just before the change.
      {"America/Los_Angeles", 2026, Form::Yearly, {480, 0, -60, Fields(0, 11, 0, 1, 2), Fields(0, 3, 0, 2, 2)}},
      // Rules given in UTC: 01:00 UTC is 01:00 GMT in March and 02:00 BST in October.
      {"Europe/London", 2026, Form::Yearly, {0, 0, -60, Fields(0, 10, 0, 5, 2), Fields(0, 3, 0, 5, 1)}},
      {"Europe/Berlin", 2027, Form::Yearly, {-60, 0, -60, Fields(0, 10, 0, 5, 3), Fields(0, 3, 0, 5, 2)}},
      // Southern hemisphere: daylight time starts late in the year.
      {"Australia/Sydney", 2026, Form::Yearly, {-600, 0, -60, Fields(0, 4, 0, 1, 3), Fields(0, 10, 0, 1, 2)}},
      {"Australia/Lord_Howe", 2026, Form::Yearly, {-630, 0, -30, Fields(0, 4, 0, 1, 2), Fields(0, 10, 0, 1, 2)}},
      {"Asia/Tokyo", 2026, Form::NoDaylight, {-540, 0, 0, none, none}},
      {"Asia/Kolkata", 2026, Form::NoDaylight, {-330, 0, 0, none, none}},
      // Moscow moved to +04 for good in March 2011 without a daylight change that year.
      {"Europe/Moscow", 2011, Form::NoDaylight, {-240, 0, 0, none, none}},
      // Daylight time ended in March 2009 and did not come back: one change only.
      {"America/Argentina/Buenos_Aires", 2009, Form::Approximated, {180, 0, 0, none, none}},
      // "Friday on or after the 23rd of March" has no week-of-month form.
      {"Asia/Jerusalem", 2026, Form::AbsoluteDates, {-120, 0, -60, Fields(2026, 10, 0, 25, 2), Fields(2026, 3, 5, 27, 2)}},
  };
  for (Case const& c : cases) {
    ZoneYearRule rule;
    ASSERT_TRUE(IcuZoneRule::ForYear(c.zone, c.year, rule)) << c.zone;
    EXPECT_EQ(c.form, rule.form) << c.zone;
    EXPECT_EQ(Hex(std::string_view(reinterpret_cast<char const*>(&c.tzi), sizeof c.tzi)),
              Hex(std::string_view(reinterpret_cast<char const*>(&rule.tzi), sizeof rule.tzi))) << c.zone;
  }
}

TEST(IcuZoneRuleTest, UnknownZonesAndYearsAreRefused) {
  struct Case { char const* zone; int year; };
  Case const cases[] = {
      {"Nowhere/Zone", 2026}, {"", 2026}, {"Etc/Unknown", 2026}, {"Europe/Paris", 1600}, {"Europe/Paris", 30828}};
  for (Case const& c : cases) {
    ZoneYearRule rule;
    rule.tzi.Bias = 12345;
    EXPECT_FALSE(IcuZoneRule::ForYear(c.zone, c.year, rule)) << c.zone << " " << c.year;
    EXPECT_EQ(12345, rule.tzi.Bias);
  }
}

std::string Describe(std::vector<WindowsZone> const& zones) {
  std::string text;
  for (WindowsZone const& zone : zones) text += zone.identifier + "|" + zone.display + "|" + zone.zoneId + "\n";
  return text;
}

TEST(WindowsZonesFileTest, ParsesGroupsWithTheirDisplayComments) {
  struct Case { char const* name; char const* xml; char const* zones; };
  Case const cases[] = {
      {"groups and regional rows",
       "<?xml version=\"1.0\"?>\n<!-- copyright -->\n<supplementalData><windowsZones><mapTimezones>\n"
       "  <!-- (UTC-08:00) Pacific Time (US & Canada) -->\n"
       "  <mapZone other=\"Pacific Standard Time\" territory=\"001\" type=\"America/Los_Angeles\"/>\n"
       "  <mapZone other=\"Pacific Standard Time\" territory=\"CA\" type=\"America/Vancouver\"/>\n"
       "  <!-- (UTC+01:00) Amsterdam -->\n"
       "  <mapZone other='W. Europe Standard Time' territory='NL' type='Europe/Amsterdam'/>\n"
       "  <mapZone type=\"Europe/Berlin\" territory=\"001\" other=\"W. Europe Standard Time\" />\n"
       "</mapTimezones></windowsZones></supplementalData>\n",
       "Pacific Standard Time|(UTC-08:00) Pacific Time (US & Canada)|America/Los_Angeles\n"
       "W. Europe Standard Time|(UTC+01:00) Amsterdam|Europe/Berlin\n"},
      {"a group without its comment does not take the one before",
       "<!-- (UTC) One -->\n<mapZone other=\"A\" territory=\"001\" type=\"Etc/UTC\"/>\n"
       "<mapZone other=\"B\" territory=\"001\" type=\"Etc/GMT\"/>",
       "A|(UTC) One|Etc/UTC\nB||Etc/GMT\n"},
      {"entities, several zones in type, a repeated identifier",
       "<mapZone other=\"Q &amp; &#x41;&#66; &lt;&quot;&apos;&gt; \xC3\xA9\" territory=\"001\" type=\"X/Y X/Z\"/>"
       "<mapZone other=\"Q &amp; AB &lt;&quot;'&gt; \xC3\xA9\" territory=\"001\" type=\"Other/Zone\"/>",
       "Q & AB <\"'> \xC3\xA9||X/Y\n"},
      {"a quoted > inside an attribute", "<mapZone other=\"a>b\" territory=\"001\" type=\"Z/Z\"/>", "a>b||Z/Z\n"},
  };
  for (Case const& c : cases) {
    std::vector<WindowsZone> zones;
    ASSERT_TRUE(WindowsZonesFile::Parse(c.xml, zones)) << c.name;
    EXPECT_EQ(c.zones, Describe(zones)) << c.name;
  }
}

TEST(WindowsZonesFileTest, MalformedOrEmptyInputIsRefusedAndLeavesTheListAlone) {
  char const* const bad[] = {"", "<mapZone other=\"A\" territory=\"CA\" type=\"X/Y\"/>",
                             "<!-- (UTC) unterminated <mapZone other=\"A\" territory=\"001\" type=\"X/Y\"/>",
                             "<mapZone other=\"A\" territory=\"001\" type=\"X/Y\"", "<!DOCTYPE never closed",
                             "<mapZone other=\"A territory=\"001\" type=\"X/Y\"/>",
                             "<mapZone other=A territory=\"001\" type=\"X/Y\"/>",
                             "<mapZone other=\"&bogus;\" territory=\"001\" type=\"X/Y\"/>",
                             "<mapZone other=\"&#xD800;\" territory=\"001\" type=\"X/Y\"/>",
                             "<mapZone other=\"&amp\" territory=\"001\" type=\"X/Y\"/>"};
  for (char const* xml : bad) {
    std::vector<WindowsZone> zones{{"kept", "", "Etc/UTC"}};
    EXPECT_FALSE(WindowsZonesFile::Parse(xml, zones)) << xml;
    EXPECT_EQ("kept||Etc/UTC\n", Describe(zones)) << xml;
  }
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
