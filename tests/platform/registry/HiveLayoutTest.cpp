#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/HiveFileSql.h"
#include "support/RegistryValueNames.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

namespace {

// The first hive layout: values in a rowid table whose rowids give the creation order.
char const* const kVersion1 =
    "PRAGMA journal_mode=WAL;"
    "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
    " name BLOB NOT NULL, folded BLOB NOT NULL);"
    "CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);"
    "CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
    " name BLOB NOT NULL, folded BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL);"
    "CREATE UNIQUE INDEX vals_by_key ON vals(key, folded);"
    "INSERT INTO keys VALUES(1, NULL, x'', x''), (2, 1, x'53657373696f6e73', x'73657373696f6e73'),"
    " (3, 1, x'4f74686572', x'6f74686572');"  // Sessions, Other
    "INSERT INTO vals VALUES(1, 2, x'5a657461', x'7a657461', 1, x'7a'), (2, 3, x'6f', x'6f', 1, x'78'),"
    " (3, 2, x'416c706861', x'616c706861', 1, x'61'), (4, 2, x'6d6964', x'6d6964', 1, x'6d');"  // Zeta, o, Alpha, mid
    "PRAGMA application_id = 1112950866; PRAGMA user_version = 1;";

long SetSz(HKEY key, char const* name, char const* text) {
  return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text), std::strlen(text));
}

std::string GetSz(HKEY key, char const* name) {
  char text[64] = {};
  unsigned long size = sizeof text;
  return RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<unsigned char*>(text), &size) == ERROR_SUCCESS
             ? std::string(text, size)
             : "<missing>";
}

TEST(HiveLayoutTest, AFirstVersionHiveKeepsEveryValueAndItsOrderAndTakesNewOnes) {
  ScopedRoot root;
  std::string const file = root.File("old.db");
  ExecuteSql(file, kVersion1);
  HKEY hive = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  HKEY sessions = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(hive, "SESSIONS", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sessions, nullptr));
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid"}), RegistryValueNames(sessions));
  EXPECT_EQ("a", GetSz(sessions, "ALPHA"));
  ASSERT_EQ(ERROR_SUCCESS, SetSz(sessions, "new", "n"));
  ASSERT_EQ(ERROR_SUCCESS, SetSz(sessions, "zeta", "Z"));
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid", "new"}), RegistryValueNames(sessions));
  EXPECT_EQ("Z", GetSz(sessions, "Zeta"));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(hive, "Other"));
  RegCloseKey(sessions);
  ReleaseHive(hive);
  EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
}

TEST(HiveLayoutTest, ANewHiveIsWalAtTheLatestLayoutAndNewValuesFollowTheLastPlace) {
  ScopedRoot root;
  std::string const file = root.File("full.db");
  HKEY hive = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  for (char const* name : {"b", "a"})
    ASSERT_EQ(ERROR_SUCCESS, SetSz(hive, name, name));
  ReleaseHive(hive);
  EXPECT_EQ("wal", QuerySql(file, "PRAGMA journal_mode"));
  EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
  ExecuteSql(file, "UPDATE vals SET ord = 1000000 WHERE name = (SELECT id FROM names WHERE folded = x'61')");
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  for (char const* name : {"c", "d"})
    ASSERT_EQ(ERROR_SUCCESS, SetSz(hive, name, name));
  EXPECT_EQ((std::vector<std::string>{"b", "a", "c", "d"}), RegistryValueNames(hive));
  EXPECT_EQ("a", GetSz(hive, "a"));
  ReleaseHive(hive);
  EXPECT_EQ("1000002", QuerySql(file, "SELECT max(ord) FROM vals"));
}

TEST(HiveLayoutTest, AHiveOfALaterLayoutIsRefusedAndLeftAsItWas) {
  ScopedRoot root;
  std::string const file = root.File("newer.db");
  ExecuteSql(file, std::string(kVersion1) + "PRAGMA user_version = 9; PRAGMA journal_mode=DELETE;");
  std::string const before = ReadFileBytes(file);
  HKEY hive = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_BADDB, RegOpenKeyEx(hive, "Sessions", 0, KEY_READ, &key));
  EXPECT_EQ(ERROR_BADDB, SetSz(hive, "v", "x"));
  ReleaseHive(hive);
  EXPECT_EQ(before, ReadFileBytes(file));
}

}  // namespace
