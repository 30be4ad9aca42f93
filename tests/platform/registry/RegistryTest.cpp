#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/RegistryValueNames.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  HKEY Create(HKEY parent, char const* path) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyEx(parent, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    return key;
  }
  static long SetSz(HKEY key, char const* name, char const* text) {
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text), std::strlen(text) + 1);
  }
  static std::string GetSz(HKEY key, char const* name) {
    char buffer[256] = {};
    unsigned long size = sizeof(buffer);
    unsigned long type = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<unsigned char*>(buffer), &size) != ERROR_SUCCESS)
      return "<missing>";
    return buffer;
  }
  static bool HasSubkeys(HKEY key) {
    char name[300];
    unsigned long length = sizeof(name);
    return RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }

  ScopedRoot m_root;
};

TEST_F(RegistryTest, ShortBuffersGetTheMoreDataAnswerWithTheNeededSize) {
  HKEY key = Create(HKEY_CURRENT_USER, "Buffers");
  std::string const longName(40, 'k');
  RegCloseKey(Create(key, longName.c_str()));
  ASSERT_EQ(ERROR_SUCCESS, SetSz(key, "v", "0123456789"));

  char name[32];
  unsigned long length = sizeof(name);
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  char bigName[64];
  length = sizeof(bigName);
  EXPECT_EQ(ERROR_SUCCESS, RegEnumKeyEx(key, 0, bigName, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(40u, length);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyEx(key, 1, bigName, &length, nullptr, nullptr, nullptr, nullptr));

  unsigned char data[4] = {0xde, 0xad, 0xbe, 0xef};
  unsigned long size = sizeof(data);
  unsigned long type = 0;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "v", nullptr, &type, data, &size));
  EXPECT_EQ(11u, size);
  EXPECT_EQ(0xde, data[0]) << "a refused read writes nothing into the buffer";
  size = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "v", nullptr, &type, nullptr, &size));
  EXPECT_EQ(11u, size);
  EXPECT_EQ(REG_SZ, type);
  RegCloseKey(key);
}

TEST_F(RegistryTest, NameLimitsAndLargeValues) {
  HKEY key = Create(HKEY_CURRENT_USER, "Limits");
  std::string const maxValueName(16383, 'v');
  std::string const tooLongValueName(16384, 'v');
  std::string const maxKeyName(255, 'k');
  std::string const tooLongKeyName(256, 'k');
  EXPECT_EQ(ERROR_SUCCESS, SetSz(key, maxValueName.c_str(), "fits"));
  EXPECT_EQ("fits", GetSz(key, maxValueName.c_str()));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, SetSz(key, tooLongValueName.c_str(), "refused"));
  HKEY child = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyEx(key, maxKeyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr));
  RegCloseKey(child);
  for (char const* bad : {tooLongKeyName.c_str(), "a\\\\b", "a\\", "\\a"})
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegCreateKeyEx(key, bad, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr))
        << bad;

  std::vector<unsigned char> big(1 << 20);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<unsigned char>(i * 7);
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "big", 0, REG_BINARY, big.data(), big.size()));
  std::vector<unsigned char> back(big.size());
  unsigned long size = back.size();
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "big", nullptr, nullptr, back.data(), &size));
  EXPECT_EQ(big, back);
  RegCloseKey(key);
}

TEST_F(RegistryTest, AccessMasksAndStaleHandlesAreEnforced) {
  HKEY writable = Create(HKEY_CURRENT_USER, "Access");
  HKEY reader = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Access", 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &reader));
  EXPECT_EQ(ERROR_ACCESS_DENIED, SetSz(reader, "x", "y"));
  HKEY child = nullptr;
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegCreateKeyEx(reader, "New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr));
  RegCloseKey(reader);
  EXPECT_EQ(ERROR_INVALID_HANDLE, SetSz(reader, "x", "y")) << "a closed handle is refused, not followed";
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(reader));

  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKey(HKEY_CURRENT_USER, "Access"));
  EXPECT_EQ(ERROR_KEY_DELETED, SetSz(writable, "x", "y"));
  EXPECT_EQ("<missing>", GetSz(writable, "x"));
  RegCloseKey(writable);

  // The same inside one unit, after the key has taken writes in that unit.
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  writable = Create(HKEY_CURRENT_USER, "Access");
  EXPECT_EQ(ERROR_SUCCESS, SetSz(writable, "x", "y"));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Access"));
  EXPECT_EQ(ERROR_KEY_DELETED, SetSz(writable, "x", "z"));
  EXPECT_EQ(ERROR_KEY_DELETED, RegCreateKeyEx(writable, "New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr));
  RegCloseKey(writable);
  writable = Create(HKEY_CURRENT_USER, "Access");
  EXPECT_EQ("<missing>", GetSz(writable, "x")) << "a key made again starts empty";
  EXPECT_FALSE(HasSubkeys(writable));
  RegCloseKey(writable);
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
}

TEST_F(RegistryTest, DeleteKeyRefusesSubkeysWhileDeleteTreeRemovesAll) {
  HKEY leaf = Create(HKEY_CURRENT_USER, "Tree\\A\\B");
  SetSz(leaf, "v", "x");
  RegCloseKey(leaf);
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKey(HKEY_CURRENT_USER, "Tree"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Tree"));
  HKEY gone = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Tree\\A", 0, KEY_READ, &gone));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKey(HKEY_CURRENT_USER, "Tree"));
  leaf = Create(HKEY_CURRENT_USER, "Tree\\A\\B");
  EXPECT_EQ("<missing>", GetSz(leaf, "v")) << "nothing of the deleted tree is left to reappear";
  RegCloseKey(leaf);
  HKEY tree = Create(HKEY_CURRENT_USER, "Tree");
  SetSz(tree, "kept", "1");
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(tree, nullptr)) << "emptying a key clears its subtrees and values";
  EXPECT_FALSE(HasSubkeys(tree));
  EXPECT_EQ("<missing>", GetSz(tree, "kept"));
  RegCloseKey(tree);
  leaf = Create(HKEY_CURRENT_USER, "Tree\\A\\B");
  EXPECT_EQ("<missing>", GetSz(leaf, "v"));
  RegCloseKey(leaf);
}

TEST_F(RegistryTest, MissingHiveReadsEmptyAndIsCreatedOnFirstWrite) {
  std::string const file = m_root.File("user/registry.db");
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValue(HKEY_CURRENT_USER, "x"));
  EXPECT_FALSE(HasSubkeys(HKEY_CURRENT_USER));
  EXPECT_FALSE(std::filesystem::exists(file));
  RegCloseKey(Create(HKEY_CURRENT_USER, "Software"));
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(file, RegHivePath(HKEY_CURRENT_USER));
}

TEST_F(RegistryTest, DamagedOrForeignHiveFilesFailCleanlyAndAreNotOverwritten) {
  struct Case {
    char const* what;
    std::string bytes;
  };
  std::string sqliteHeaderOnly("SQLite format 3\0", 16);
  sqliteHeaderOnly += std::string(84, '\x01');
  Case const cases[] = {{"garbage", std::string(4096, 'g')},
                        {"truncated database header", sqliteHeaderOnly},
                        {"short", "SQLite"}};
  for (Case const& c : cases) {
    std::string const file = m_root.File(std::string(c.what) + ".db");
    WriteFileBytes(file, c.bytes);
    HKEY hive = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegCreateKeyEx(hive, "X", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)) << c.what;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyEx(hive, "X", 0, KEY_READ, &key)) << c.what;
    EXPECT_NE(ERROR_SUCCESS, SetSz(hive, "v", "x")) << c.what;
    EXPECT_FALSE(HasSubkeys(hive));
    RegCloseKey(hive);
    EXPECT_EQ(c.bytes, ReadFileBytes(file)) << c.what;
  }
}

TEST_F(RegistryTest, AHiveInAReadOnlyFolderStillReadsAndRefusesOrTakesWritesCleanly) {
  std::string const folder = m_root.File("locked");
  std::filesystem::create_directories(folder);
  std::string const file = folder + "/hive.db";
  HKEY hive = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  ASSERT_EQ(ERROR_SUCCESS, SetSz(hive, "kept", "yes"));
  RegCloseKey(hive);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &hive));
  EXPECT_EQ("yes", GetSz(hive, "kept"));
  // Whoever may still write here (an administrator) gets the write; anybody else a clean refusal.
  long const rc = SetSz(hive, "new", "x");
  EXPECT_TRUE(rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED) << rc;
  EXPECT_EQ(rc == ERROR_SUCCESS ? "x" : "<missing>", GetSz(hive, "new"));
  RegCloseKey(hive);
  RegUnloadHives();
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(RegistryTest, HiveFilesAreSharedByPathAndSeparateFromTheUserHive) {
  std::string const file = m_root.File("folder/config.db");
  std::filesystem::create_directories(m_root.File("folder"));
  HKEY first = nullptr;
  HKEY second = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(file.c_str(), &first));
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile((m_root.Path() + "/folder/../folder/config.db").c_str(), &second));
  SetSz(first, "v", "shared");
  EXPECT_EQ("shared", GetSz(second, "v"));
  EXPECT_EQ("<missing>", GetSz(HKEY_CURRENT_USER, "v"));
  RegCloseKey(first);
  RegCloseKey(second);
}

TEST_F(RegistryTest, ReadsInsideAUnitSeeEveryWriteOfThatUnitThroughAnyHandle) {
  HKEY first = Create(HKEY_CURRENT_USER, "Cache");
  SetSz(first, "a", "1");
  SetSz(first, "b", "2");
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HKEY second = Create(HKEY_CURRENT_USER, "CACHE");
  // A first read probes one value by its own query; the next ones come from the key's cache.
  EXPECT_EQ("<missing>", GetSz(first, "zz"));
  EXPECT_EQ("1", GetSz(first, "a"));
  EXPECT_EQ("2", GetSz(second, "b"));
  SetSz(second, "A", "changed");
  RegDeleteValue(second, "b");
  SetSz(second, "c", "new");
  EXPECT_EQ("changed", GetSz(first, "a"));
  EXPECT_EQ("<missing>", GetSz(first, "b"));
  EXPECT_EQ("new", GetSz(first, "C"));
  EXPECT_EQ((std::vector<std::string>{"a", "c"}), RegistryValueNames(first)) << "creation order, spelling of creation";
  for (int i = 0; i < 40; ++i) SetSz(second, ("n" + std::to_string(i)).c_str(), "many");
  EXPECT_EQ(42u, RegistryValueNames(first).size());
  EXPECT_EQ("n39", RegistryValueNames(first).back());
  EXPECT_EQ("changed", GetSz(second, "a"));
  RegDeleteTree(HKEY_CURRENT_USER, "Cache");
  EXPECT_EQ("<missing>", GetSz(first, "a")) << "a deleted key holds nothing";
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, false));
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, false));
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), RegistryValueNames(second)) << "listing first fills the cache";
  EXPECT_EQ("1", GetSz(first, "a")) << "the rolled-back unit left the old values";
  EXPECT_EQ("2", GetSz(second, "b"));
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  RegCloseKey(first);
  RegCloseKey(second);
}

// Inside a unit a path found is answered again without a query, but never past a deletion.
TEST_F(RegistryTest, KeysFoundInsideAUnitFollowDeletionsAndNewKeys) {
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  for (char const* value : {"first", "second", "third"}) {
    // A key made between takes the next ids, so a stale answer would name a key that is gone.
    RegCloseKey(Create(HKEY_CURRENT_USER, (std::string("Other ") + value).c_str()));
    HKEY made = Create(HKEY_CURRENT_USER, "Found\\Again");
    EXPECT_EQ("<missing>", GetSz(made, "v")) << "a key made again holds nothing of the deleted one";
    ASSERT_EQ(ERROR_SUCCESS, SetSz(made, "v", value));
    RegCloseKey(made);
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "FOUND\\again", 0, KEY_READ, &opened));
    EXPECT_EQ(value, GetSz(opened, "v"));
    RegCloseKey(opened);
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Found"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Found\\Again", 0, KEY_READ, &opened));
  }
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
}

TEST_F(RegistryTest, UnitsOfWorkNestAndRollBackWhole) {
  RegCloseKey(Create(HKEY_CURRENT_USER, "Work"));
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HKEY key = Create(HKEY_CURRENT_USER, "Work\\Inner");
  SetSz(key, "a", "1");
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  SetSz(key, "b", "2");
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, false));
  EXPECT_EQ("2", GetSz(key, "b")) << "inside the unit its own writes are visible";
  EXPECT_EQ(ERROR_REQUEST_ABORTED, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  EXPECT_EQ("<missing>", GetSz(key, "a"));
  RegCloseKey(key);
  HKEY gone = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Work\\Inner", 0, KEY_READ, &gone));

  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, false));
  key = Create(HKEY_CURRENT_USER, "Work\\Kept");
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  EXPECT_EQ(ERROR_SUCCESS, SetSz(key, "c", "3"));
  EXPECT_EQ("3", GetSz(key, "c"));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegEndUnitOfWork(HKEY_CURRENT_USER, true)) << "unbalanced end";
}

}  // namespace
