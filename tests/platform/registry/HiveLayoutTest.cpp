#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/FaultyDiskVfs.h"
#include "support/HeldKey.h"
#include "support/RegistryCalls.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

namespace {

// Looks at a hive file directly through SQLite, as an older build or another tool would: the
// hive is released first so that no connection of the registry holds it.

// Closes the hive's root handle and lets go of every hive file.
inline void ReleaseHive(HKEY hive) {
  RegCloseKey(hive);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
}

// Runs the statements on the file; the first column of every row they return, joined by commas.
std::string Sql(std::string const& file, std::string const& sql) {
  sqlite3* db = nullptr;
  std::string answer;
  auto const row = [](void* out, int, char** values, char**) {
    auto& text = *static_cast<std::string*>(out);
    text += (text.empty() ? "" : ",") + std::string(values[0] ? values[0] : "");
    return 0;
  };
  EXPECT_EQ(SQLITE_OK, sqlite3_open(file.c_str(), &db));
  EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, sql.c_str(), row, &answer, nullptr)) << sqlite3_errmsg(db);
  sqlite3_close(db);
  return answer;
}

// A hive file of an older layout (tests/data/platform/hive_layout_N.sql), with what follows.
std::string Layout(char const* version, std::string const& then = "") {
  return ReadFileBytes(std::string(TEST_DATA_DIR) + "/platform/hive_layout_" + version + ".sql") + then;
}

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
  Sql(file, Layout("2"));
  HeldKey hive = HeldKey::Hive(file);
  ExpectOldContent(hive);
  HeldKey sessions = HeldKey::Opened(hive, "Sessions", KEY_ALL_ACCESS);
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "new", "n"));
  ASSERT_EQ(ERROR_SUCCESS, SetText(sessions, "alpha", "A"));
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha", "mid", "new"}), RegistryValueNames(sessions));
  sessions = nullptr;
  ReleaseHive(hive.Release());
  EXPECT_EQ("4", Sql(file, "PRAGMA user_version"));
  // Each name once; no index left that no query uses; ids kept, the root's parent 0.
  EXPECT_EQ("Zeta,Alpha,mid,v0", Sql(file, "SELECT name FROM names ORDER BY id LIMIT 4"));
  EXPECT_EQ("0:1,1:2,1:3", Sql(file, "SELECT parent || ':' || id FROM keys ORDER BY id"));
  EXPECT_EQ("keys_by_id,vals_first",
            Sql(file, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name"));
}

TEST(HiveUpgradeTest, AProcessThatMayOnlyReadAnOldHiveReadsItAndLeavesItAsItWas) {
  for (char const* version : {"2", "3"}) {
    SCOPED_TRACE(version);
    ScopedRoot root;
    std::string const file = root.File("old.db");
    Sql(file, Layout(version, "PRAGMA journal_mode=DELETE;"));
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
  for (char const* version : {"2", "3"}) {
    SCOPED_TRACE(version);
    ScopedRoot root;
    std::string const file = root.File("old.db");
    Sql(file, Layout(version));
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
    EXPECT_EQ(version, Sql(file, "PRAGMA user_version"));
    EXPECT_EQ("304", Sql(file, "SELECT count(*) FROM vals"));
    HeldKey hive = HeldKey::Hive(file);
    ExpectOldContent(hive);
    ReleaseHive(hive.Release());
    EXPECT_EQ("4", Sql(file, "PRAGMA user_version"));
  }
}

TEST(HiveLayoutTest, AFirstVersionHiveKeepsEveryValueAndItsOrderAndTakesNewOnes) {
  ScopedRoot root;
  std::string const file = root.File("old.db");
  Sql(file, Layout("1"));
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
  EXPECT_EQ("4", Sql(file, "PRAGMA user_version"));
}

TEST(HiveLayoutTest, ANewHiveIsWalAtTheLatestLayoutAndNewValuesFollowTheLastPlace) {
  ScopedRoot root;
  std::string const file = root.File("full.db");
  HeldKey hive = HeldKey::Hive(file);
  for (char const* name : {"b", "a"}) ASSERT_EQ(ERROR_SUCCESS, SetText(hive, name, name, false));
  ReleaseHive(hive.Release());
  EXPECT_EQ("wal", Sql(file, "PRAGMA journal_mode"));
  EXPECT_EQ("4", Sql(file, "PRAGMA user_version"));
  Sql(file, "UPDATE vals SET ord = 1000000 WHERE name = (SELECT id FROM names WHERE folded = x'61')");
  hive = HeldKey::Hive(file).Release();
  for (char const* name : {"c", "d"}) ASSERT_EQ(ERROR_SUCCESS, SetText(hive, name, name, false));
  EXPECT_EQ((std::vector<std::string>{"b", "a", "c", "d"}), RegistryValueNames(hive));
  EXPECT_EQ("1:a", RawValue(hive, "a"));
  ReleaseHive(hive.Release());
  EXPECT_EQ("1000002", Sql(file, "SELECT max(ord) FROM vals"));
}

TEST(HiveLayoutTest, AHiveOfALaterLayoutIsRefusedAndLeftAsItWas) {
  ScopedRoot root;
  std::string const file = root.File("newer.db");
  Sql(file, Layout("1", "PRAGMA user_version = 9; PRAGMA journal_mode=DELETE;"));
  std::string const before = ReadFileBytes(file);
  HeldKey hive = HeldKey::Hive(file);
  EXPECT_EQ(ERROR_BADDB, OpenRc(hive, "Sessions"));
  EXPECT_EQ(ERROR_BADDB, SetText(hive, "v", "x", false));
  ReleaseHive(hive.Release());
  EXPECT_EQ(before, ReadFileBytes(file));
}

}  // namespace
