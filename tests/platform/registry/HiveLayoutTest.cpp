#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FaultyDiskVfs.h"
#include "support/HiveFileSql.h"
#include "support/HeldKey.h"
#include "support/RegistryValueNames.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

namespace {

// The keys both old layouts hold, and the rows 0 to 299 that give the key Other enough values
// for an upgrade to write many pages.
std::string const kKeys =
    "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER, name BLOB NOT NULL, folded BLOB NOT NULL);"
    "CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);"
    "INSERT INTO keys VALUES(1, NULL, x'', x''), (2, 1, CAST('Sessions' AS BLOB), CAST('sessions' AS BLOB)),"
    " (3, 1, CAST('Other' AS BLOB), CAST('other' AS BLOB));";
std::string const kRows = "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299) ";

// The second hive layout: each value with its names beside it, ids packing key and place.
// Sessions: Zeta (text), Alpha (text), mid (number); Other: ZETA spelt its own way (bytes).
std::string SecondLayout() {
  return "PRAGMA journal_mode=WAL;" + kKeys +
         "CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL, folded BLOB NOT NULL,"
         " type INTEGER NOT NULL, data BLOB NOT NULL, CHECK (id >> 24 = key));"
         "CREATE UNIQUE INDEX vals_by_key ON vals(key, folded);"
         "CREATE INDEX keys_listing ON keys(parent, folded, name);"
         "INSERT INTO vals VALUES(33554433, 2, CAST('Zeta' AS BLOB), CAST('zeta' AS BLOB), 1, x'7a00'),"
         " (33554434, 2, CAST('Alpha' AS BLOB), CAST('alpha' AS BLOB), 1, x'6100'),"
         " (33554436, 2, CAST('mid' AS BLOB), CAST('mid' AS BLOB), 4, x'2a000000'),"
         " (50331649, 3, CAST('ZETA' AS BLOB), CAST('zeta' AS BLOB), 3, x'00ff');" +
         kRows + "INSERT INTO vals SELECT (3 << 24) + 2 + i, 3, CAST('v' || i AS BLOB), CAST('v' || i AS BLOB), 1,"
         " zeroblob(100) FROM n; PRAGMA application_id = 1112950866; PRAGMA user_version = 2;";
}

// The third layout, holding the same: keys by id beside an index of their listing, each value
// name kept once.
std::string ThirdLayout() {
  return "PRAGMA journal_mode=WAL;" + kKeys +
         "CREATE TABLE names(id INTEGER PRIMARY KEY, folded BLOB NOT NULL UNIQUE, name BLOB NOT NULL);"
         "CREATE TABLE vals(key INTEGER NOT NULL, name INTEGER NOT NULL, ord INTEGER NOT NULL, type INTEGER NOT NULL,"
         " data BLOB NOT NULL, spelling BLOB, PRIMARY KEY(key, name)) WITHOUT ROWID;"
         "CREATE INDEX vals_first ON vals(key, name, type, data, ord) WHERE ord = 1;"
         "INSERT INTO names VALUES(1, CAST('zeta' AS BLOB), CAST('Zeta' AS BLOB)),"
         " (2, CAST('alpha' AS BLOB), CAST('Alpha' AS BLOB)), (3, CAST('mid' AS BLOB), CAST('mid' AS BLOB));"
         "INSERT INTO vals VALUES(2, 1, 1, 1, x'7a00', NULL), (2, 2, 2, 1, x'6100', NULL),"
         " (2, 3, 3, 4, x'2a000000', NULL), (3, 1, 1, 3, x'00ff', CAST('ZETA' AS BLOB));" +
         kRows + "INSERT INTO names SELECT 4 + i, CAST('v' || i AS BLOB), CAST('v' || i AS BLOB) FROM n;" + kRows +
         "INSERT INTO vals SELECT 3, 4 + i, 2 + i, 1, zeroblob(100), NULL FROM n;"
         "PRAGMA application_id = 1112950866; PRAGMA user_version = 3;";
}

// The first hive layout: values in a rowid table whose rowids give the creation order.
char const* const kFirstLayout =
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

struct OldLayout {
  char const* version;
  std::string (*sql)();
};
OldLayout const kOldLayouts[] = {{"2", SecondLayout}, {"3", ThirdLayout}};

// What the old hive holds, read through the registry.
void ExpectOldContent(HKEY hive) {
  HeldKey sessions = HeldKey::Opened(hive, "sessions"), other = HeldKey::Opened(hive, "OTHER");
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid"}), RegistryValueNames(sessions));
  EXPECT_EQ(std::string("1:z\0", 4), RawValue(sessions, "ZETA"));
  EXPECT_EQ(std::string("4:*\0\0\0", 6), RawValue(sessions, "Mid"));
  EXPECT_EQ(std::string("3:\0\xff", 4), RawValue(other, "zeta"));
  std::vector<std::string> const names = RegistryValueNames(other);
  ASSERT_EQ(301u, names.size());
  EXPECT_EQ("ZETA", names.front());
  EXPECT_EQ("v299", names.back());
}

TEST(HiveUpgradeTest, TheFirstWritableOpenUpgradesOnceKeepingValuesOrderAndSpellings) {
  ScopedRoot root;
  std::string const file = root.File("old.db");
  ExecuteSql(file, SecondLayout());
  HeldKey hive = HeldKey::Hive(file);
  ExpectOldContent(hive);
  HeldKey sessions = HeldKey::Opened(hive, "Sessions", KEY_ALL_ACCESS);
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "new", "n"));
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "alpha", "A"));
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid", "new"}), RegistryValueNames(sessions));
  sessions = nullptr;
  ReleaseHive(hive.Release());
  EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
  // Each name once; no index left that no query uses; ids kept, the root's parent 0.
  EXPECT_EQ("Zeta,Alpha,mid,v0", QuerySql(file, "SELECT name FROM names ORDER BY id LIMIT 4"));
  EXPECT_EQ("0:1,1:2,1:3", QuerySql(file, "SELECT parent || ':' || id FROM keys ORDER BY id"));
  EXPECT_EQ("keys_by_id,vals_first",
            QuerySql(file, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name"));
}

TEST(HiveUpgradeTest, AProcessThatMayOnlyReadAnOldHiveReadsItAndLeavesItAsItWas) {
  for (OldLayout const& layout : kOldLayouts) {
    SCOPED_TRACE(layout.version);
    ScopedRoot root;
    std::string const file = root.File("old.db");
    ExecuteSql(file, layout.sql() + "PRAGMA journal_mode=DELETE;");
    std::string const before = ReadFileBytes(file);
    {
      FaultyDiskVfs vfs;
      FaultyDiskVfs::Set(FaultyDiskVfs::Fault::ReadOnly);
      HeldKey hive = HeldKey::Hive(file);
      ExpectOldContent(hive);
      std::vector<RegSubtreeKey> keys;
      ASSERT_EQ(ERROR_SUCCESS, RegReadSubtree(hive, 1, {{"zeta", ""}, {"mid", "sessions"}}, keys));
      ASSERT_EQ(3u, keys.size());
      EXPECT_EQ(std::string("z\0", 2), keys[2].values[0].data);  // Sessions after Other
      EXPECT_EQ(std::string("\0\xff", 2), keys[1].values[0].data);
      EXPECT_TRUE(keys[2].values[1].found);
      EXPECT_EQ(ERROR_ACCESS_DENIED, SetText(hive, "v", "x"));
      ReleaseHive(hive.Release());
    }
    EXPECT_EQ(before, ReadFileBytes(file));
  }
}

TEST(HiveUpgradeTest, AKillDuringTheUpgradeLeavesTheOldLayoutAndTheNextOpenUpgrades) {
  for (OldLayout const& layout : kOldLayouts) {
    SCOPED_TRACE(layout.version);
    ScopedRoot root;
    std::string const file = root.File("old.db");
    ExecuteSql(file, layout.sql());
    pid_t const child = fork();
    if (child == 0) {
      FaultyDiskVfs vfs;
      // The log's header, then the first page's frame header: well before the commit frame.
      FaultyDiskVfs::KillAtLogWrite(3);
      OpenRc(HeldKey::Hive(file), "Sessions");
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(layout.version, QuerySql(file, "PRAGMA user_version"));
    EXPECT_EQ("304", QuerySql(file, "SELECT count(*) FROM vals"));
    HeldKey hive = HeldKey::Hive(file);
    ExpectOldContent(hive);
    ReleaseHive(hive.Release());
    EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
  }
}

TEST(HiveLayoutTest, AFirstVersionHiveKeepsEveryValueAndItsOrderAndTakesNewOnes) {
  ScopedRoot root;
  std::string const file = root.File("old.db");
  ExecuteSql(file, kFirstLayout);
  HeldKey hive = HeldKey::Hive(file);
  HeldKey sessions(hive, "SESSIONS");
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid"}), RegistryValueNames(sessions));
  EXPECT_EQ("a", TextValue(sessions, "ALPHA"));
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "new", "n", false));
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "zeta", "Z", false));
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid", "new"}), RegistryValueNames(sessions));
  EXPECT_EQ("1:Z", RawValue(sessions, "Zeta"));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(hive, "Other"));
  sessions = nullptr;
  ReleaseHive(hive.Release());
  EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
}

TEST(HiveLayoutTest, ANewHiveIsWalAtTheLatestLayoutAndNewValuesFollowTheLastPlace) {
  ScopedRoot root;
  std::string const file = root.File("full.db");
  HeldKey hive = HeldKey::Hive(file);
  for (char const* name : {"b", "a"}) ASSERT_EQ(ERROR_SUCCESS, SetText(hive, name, name, false));
  ReleaseHive(hive.Release());
  EXPECT_EQ("wal", QuerySql(file, "PRAGMA journal_mode"));
  EXPECT_EQ("4", QuerySql(file, "PRAGMA user_version"));
  ExecuteSql(file, "UPDATE vals SET ord = 1000000 WHERE name = (SELECT id FROM names WHERE folded = x'61')");
  hive = HeldKey::Hive(file).Release();
  for (char const* name : {"c", "d"}) ASSERT_EQ(ERROR_SUCCESS, SetText(hive, name, name, false));
  EXPECT_EQ((std::vector<std::string>{"b", "a", "c", "d"}), RegistryValueNames(hive));
  EXPECT_EQ("1:a", RawValue(hive, "a"));
  ReleaseHive(hive.Release());
  EXPECT_EQ("1000002", QuerySql(file, "SELECT max(ord) FROM vals"));
}

TEST(HiveLayoutTest, AHiveOfALaterLayoutIsRefusedAndLeftAsItWas) {
  ScopedRoot root;
  std::string const file = root.File("newer.db");
  ExecuteSql(file, std::string(kFirstLayout) + "PRAGMA user_version = 9; PRAGMA journal_mode=DELETE;");
  std::string const before = ReadFileBytes(file);
  HeldKey hive = HeldKey::Hive(file);
  EXPECT_EQ(ERROR_BADDB, OpenRc(hive, "Sessions"));
  EXPECT_EQ(ERROR_BADDB, SetText(hive, "v", "x", false));
  ReleaseHive(hive.Release());
  EXPECT_EQ(before, ReadFileBytes(file));
}

}  // namespace
