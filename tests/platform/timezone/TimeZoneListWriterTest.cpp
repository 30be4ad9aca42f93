#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"

namespace {

using KeyHolder = std::unique_ptr<HKEY__, decltype(&RegCloseKey)>;

std::string const kList = TimeZoneListWriter::kKeyPath;

class TimeZoneListWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(m_mapping)
        << "<!-- (UTC-08:00) Pacific Time (US & Canada) -->\n"
           "<mapZone other=\"Pacific Standard Time\" territory=\"001\" type=\"America/Los_Angeles\"/>\n"
           "<mapZone other=\"Tokyo Standard Time\" territory=\"001\" type=\"Asia/Tokyo\"/>\n"
           "<mapZone other=\"Nowhere Standard Time\" territory=\"001\" type=\"Nowhere/Zone\"/>\n"
           "<mapZone other=\"Back\\slash\" territory=\"001\" type=\"Etc/UTC\"/>\n";
  }

  static std::string Value(std::string const& key, std::string const& name, unsigned long expectedType) {
    HKEY handle = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return "<no key>";
    KeyHolder const holder(handle, &RegCloseKey);
    unsigned long type = 0;
    std::string data;
    if (RegKeyReader::QueryValue(handle, name, type, data) != ERROR_SUCCESS) return "<no value>";
    return type == expectedType ? data : "<type " + std::to_string(type) + ">";
  }

  static std::vector<std::string> Zones() {
    HKEY handle = nullptr;
    std::vector<std::string> names;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kList.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return names;
    KeyHolder const holder(handle, &RegCloseKey);
    RegKeyReader::SubkeyNames(handle, names);
    return names;
  }

  static void SetText(std::string const& key, char const* name, std::string const& text) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                            &handle, nullptr));
    KeyHolder const holder(handle, &RegCloseKey);
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueEx(handle, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text.c_str()),
                            static_cast<unsigned long>(text.size() + 1)));
  }

  ScopedEnv m_tz{"TZ", "UTC"};
  ScopedRoot m_root;
  std::string const m_mapping = m_root.File("windowsZones.xml");
};

TEST_F(TimeZoneListWriterTest, WritesEachMappedZoneWithItsStoredForms) {
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).Write(2026));
  EXPECT_EQ((std::vector<std::string>{"Pacific Standard Time", "Tokyo Standard Time"}), Zones());
  std::string const pacific = kList + "\\Pacific Standard Time";
  EXPECT_EQ(std::string("Pacific Standard Time\0", 22), Value(pacific, "Std", REG_SZ));
  EXPECT_EQ(std::string("Pacific Daylight Time\0", 22), Value(pacific, "Dlt", REG_SZ));
  EXPECT_EQ(std::string("(UTC-08:00) Pacific Time (US & Canada)\0", 39), Value(pacific, "Display", REG_SZ));
  unsigned char const tzi[44] = {0xe0, 0x01, 0,  0, 0, 0, 0, 0, 0xc4, 0xff, 0xff, 0xff,               // biases
                                 0,    0,    11, 0, 0, 0, 1, 0, 2,    0,    0,    0,    0, 0, 0, 0,   // November
                                 0,    0,    3,  0, 0, 0, 2, 0, 2,    0,    0,    0,    0, 0, 0, 0};  // March
  EXPECT_EQ(std::string(reinterpret_cast<char const*>(tzi), sizeof tzi), Value(pacific, "TZI", REG_BINARY));
  std::string const tokyo = kList + "\\Tokyo Standard Time";
  EXPECT_EQ(std::string("Tokyo Daylight Time\0", 20), Value(tokyo, "Dlt", REG_SZ));
  EXPECT_EQ("(UTC+09:00) ", Value(tokyo, "Display", REG_SZ).substr(0, 12));
  EXPECT_EQ(std::string("\xe4\xfd\xff\xff", 4) + std::string(40, '\0'), Value(tokyo, "TZI", REG_BINARY));
  EXPECT_NE("<no value>", Value(kList, TimeZoneListWriter::kStampValue, REG_SZ));
}

TEST_F(TimeZoneListWriterTest, AStampedListIsRenewedOnlyWhenItsSourcesChange) {
  std::string const pacific = kList + "\\Pacific Standard Time";
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  SetText(pacific, "Display", "edited");
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  EXPECT_EQ(std::string("edited\0", 7), Value(pacific, "Display", REG_SZ));

  // Without the mapping file, ICU's own mapping and generated texts take over.
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_root.File("missing.xml")).EnsureWritten());
  EXPECT_GT(Zones().size(), 100u);
  EXPECT_EQ(std::string("(UTC-08:00) Pacific Time\0", 25), Value(pacific, "Display", REG_SZ));
  EXPECT_EQ(std::string("\xe0\x01\0\0", 4), Value(pacific, "TZI", REG_BINARY).substr(0, 4));
}

TEST_F(TimeZoneListWriterTest, AListWithoutAStampIsKeptAsItStands) {
  SetText(kList + "\\Hand Made", "Std", "mine");
  ASSERT_EQ(ERROR_SUCCESS, TimeZoneListWriter(m_mapping).EnsureWritten());
  EXPECT_EQ(std::vector<std::string>{"Hand Made"}, Zones());
  EXPECT_EQ("<no value>", Value(kList, TimeZoneListWriter::kStampValue, REG_SZ));
}

}  // namespace
