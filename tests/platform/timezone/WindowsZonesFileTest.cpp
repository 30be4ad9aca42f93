#include <gtest/gtest.h>

#include <fstream>

#include "platform/timezone/TimeZoneListWriter.h"
#include "platform/timezone/WindowsZonesFile.h"
#include "support/TempFolder.h"

namespace {

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
  char const* const bad[] = {
      "",
      "<mapZone other=\"A\" territory=\"CA\" type=\"X/Y\"/>",
      "<!-- (UTC) unterminated <mapZone other=\"A\" territory=\"001\" type=\"X/Y\"/>",
      "<mapZone other=\"A\" territory=\"001\" type=\"X/Y\"",
      "<mapZone other=\"A territory=\"001\" type=\"X/Y\"/>",
      "<mapZone other=A territory=\"001\" type=\"X/Y\"/>",
      "<mapZone other=\"&bogus;\" territory=\"001\" type=\"X/Y\"/>",
      "<mapZone other=\"&#xD800;\" territory=\"001\" type=\"X/Y\"/>",
      "<mapZone other=\"&amp\" territory=\"001\" type=\"X/Y\"/>",
      "<!DOCTYPE never closed",
  };
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
  EXPECT_NE(std::string::npos,
            all.find("Pacific Standard Time|(UTC-08:00) Pacific Time (US & Canada)|America/Los_Angeles\n"));
  EXPECT_NE(std::string::npos,
            all.find("Dateline Standard Time|(UTC-12:00) International Date Line West|Etc/GMT+12\n"));
  for (WindowsZone const& zone : zones) EXPECT_EQ("(UTC", zone.display.substr(0, 4)) << zone.identifier;
}

}  // namespace
