#include "platform/registry/Registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry/RegKeyReader.h"
#include "support/ChildProcess.h"
#include "support/DeepKeyChain.h"
#include "support/HeldKey.h"
#include "support/KeyChainPath.h"
#include "support/RegistryCalls.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

namespace {

bool HasSubkeys(HKEY key) {
  char name[300];
  unsigned long length = sizeof(name);
  return RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

unsigned long CountValues(char const* path) {
  unsigned long values = 0;
  RegQueryInfoKey(HeldKey::Opened(HKEY_CURRENT_USER, path), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  &values, nullptr, nullptr, nullptr, nullptr);
  return values;
}

class RegistryTest : public ::testing::Test {
 protected:
  ScopedRoot m_root;
};

TEST_F(RegistryTest, ShortBuffersGetTheMoreDataAnswerWithTheNeededSize) {
  HeldKey key(HKEY_CURRENT_USER, "Buffers");
  ASSERT_EQ(ERROR_SUCCESS, CreateRc(key, std::string(40, 'k')));
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "v", "0123456789"));
  char name[64];
  unsigned long length = 32;
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  length = sizeof(name);
  EXPECT_EQ(ERROR_SUCCESS, RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(40u, length);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyEx(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr));
  unsigned char data[4] = {0xde, 0xad, 0xbe, 0xef};
  unsigned long size = sizeof(data), type = 0;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "v", nullptr, &type, data, &size));
  EXPECT_EQ(11u, size);
  EXPECT_EQ(0xde, data[0]) << "a refused read writes nothing into the buffer";
  size = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "v", nullptr, &type, nullptr, &size));
  EXPECT_EQ(11u, size);
  EXPECT_EQ(REG_SZ, type);
}

TEST_F(RegistryTest, NameLimitsAndLargeValues) {
  HeldKey key(HKEY_CURRENT_USER, "Limits");
  EXPECT_EQ(ERROR_SUCCESS, SetText(key, std::string(16383, 'v').c_str(), "fits"));
  EXPECT_EQ("fits", TextValue(key, std::string(16383, 'v').c_str()));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, SetText(key, std::string(16384, 'v').c_str(), "refused"));
  EXPECT_EQ(ERROR_SUCCESS, CreateRc(key, std::string(255, 'k')));
  for (std::string const& bad : {std::string(256, 'k'), std::string("a\\\\b"), std::string("a\\"), std::string("\\a")})
    EXPECT_EQ(ERROR_INVALID_PARAMETER, CreateRc(key, bad)) << bad;
  std::vector<unsigned char> big(1 << 20), back(big.size());
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<unsigned char>(i * 7);
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "big", 0, REG_BINARY, big.data(), big.size()));
  unsigned long size = back.size();
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "big", nullptr, nullptr, back.data(), &size));
  EXPECT_EQ(big, back);
}

TEST_F(RegistryTest, AccessMasksAndStaleHandlesAreEnforced) {
  HeldKey writable(HKEY_CURRENT_USER, "Access");
  HKEY reader = HeldKey::Opened(HKEY_CURRENT_USER, "Access", KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS).Release();
  ASSERT_NE(nullptr, reader);
  EXPECT_EQ(ERROR_ACCESS_DENIED, SetText(reader, "x", "y"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, CreateRc(reader, "New"));
  RegCloseKey(reader);
  EXPECT_EQ(ERROR_INVALID_HANDLE, SetText(reader, "x", "y")) << "a closed handle is refused, not followed";
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(reader));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKey(HKEY_CURRENT_USER, "Access"));
  EXPECT_EQ(ERROR_KEY_DELETED, SetText(writable, "x", "y"));
  EXPECT_EQ("<missing>", TextValue(writable, "x"));
  // The same inside one unit, after the key has taken writes in that unit.
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  writable = CreateKey(HKEY_CURRENT_USER, "Access");
  EXPECT_EQ(ERROR_SUCCESS, SetText(writable, "x", "y"));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Access"));
  EXPECT_EQ(ERROR_KEY_DELETED, SetText(writable, "x", "z"));
  EXPECT_EQ(ERROR_KEY_DELETED, CreateRc(writable, "New"));
  writable = CreateKey(HKEY_CURRENT_USER, "Access");
  EXPECT_EQ("<missing>", TextValue(writable, "x")) << "a key made again starts empty";
  EXPECT_FALSE(HasSubkeys(writable));
  writable = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
}

TEST_F(RegistryTest, DeleteKeyRefusesSubkeysWhileDeleteTreeRemovesAll) {
  SetText(HeldKey(HKEY_CURRENT_USER, "Tree\\A\\B"), "v", "x");
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKey(HKEY_CURRENT_USER, "Tree"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Tree"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(HKEY_CURRENT_USER, "Tree\\A"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKey(HKEY_CURRENT_USER, "Tree"));
  EXPECT_EQ("<missing>", TextValue(HeldKey(HKEY_CURRENT_USER, "Tree\\A\\B"), "v"))
      << "nothing of the deleted tree is left to reappear";
  HeldKey tree(HKEY_CURRENT_USER, "Tree");
  SetText(tree, "kept", "1");
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(tree, nullptr)) << "emptying a key clears its subtrees and values";
  EXPECT_FALSE(HasSubkeys(tree));
  EXPECT_EQ("<missing>", TextValue(tree, "kept"));
  EXPECT_EQ("<missing>", TextValue(HeldKey(HKEY_CURRENT_USER, "Tree\\A\\B"), "v"));
}

TEST_F(RegistryTest, MissingHiveReadsEmptyAndIsCreatedOnFirstWrite) {
  std::string const file = m_root.File("user/registry.db");
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(HKEY_CURRENT_USER, "Software"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValue(HKEY_CURRENT_USER, "x"));
  EXPECT_FALSE(HasSubkeys(HKEY_CURRENT_USER));
  EXPECT_FALSE(std::filesystem::exists(file));
  ASSERT_EQ(ERROR_SUCCESS, CreateRc(HKEY_CURRENT_USER, "Software"));
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(file, RegHivePath(HKEY_CURRENT_USER));
}

TEST_F(RegistryTest, DamagedOrForeignHiveFilesFailCleanlyAndAreNotOverwritten) {
  std::string const sqliteHeaderOnly = std::string("SQLite format 3\0", 16) + std::string(84, '\x01');
  std::pair<char const*, std::string> const cases[] = {
      {"garbage", std::string(4096, 'g')}, {"truncated database header", sqliteHeaderOnly}, {"short", "SQLite"}};
  for (auto const& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    std::string const file = m_root.File(std::string(what) + ".db");
    WriteFileBytes(file, bytes);
    HeldKey hive = HeldKey::Hive(file);
    ASSERT_TRUE(hive);
    EXPECT_NE(ERROR_SUCCESS, CreateRc(hive, "X"));
    EXPECT_NE(ERROR_SUCCESS, OpenRc(hive, "X"));
    EXPECT_NE(ERROR_SUCCESS, SetText(hive, "v", "x"));
    EXPECT_FALSE(HasSubkeys(hive));
    hive = nullptr;
    EXPECT_EQ(bytes, ReadFileBytes(file));
  }
}

TEST_F(RegistryTest, AHiveInAReadOnlyFolderStillReadsAndRefusesOrTakesWritesCleanly) {
  namespace fs = std::filesystem;
  std::string const folder = m_root.File("locked"), file = folder + "/hive.db";
  fs::create_directories(folder);
  ASSERT_EQ(ERROR_SUCCESS, SetText(HeldKey::Hive(file), "kept", "yes"));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  fs::permissions(file, fs::perms::owner_read);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  HeldKey hive = HeldKey::Hive(file);
  EXPECT_EQ("yes", TextValue(hive, "kept"));
  // Whoever may still write here (an administrator) gets the write; anybody else a clean refusal.
  long const rc = SetText(hive, "new", "x");
  EXPECT_TRUE(rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED) << rc;
  EXPECT_EQ(rc == ERROR_SUCCESS ? "x" : "<missing>", TextValue(hive, "new"));
  hive = nullptr;
  RegUnloadHives();
  fs::permissions(folder, fs::perms::owner_all);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(RegistryTest, HiveFilesAreSharedByPathAndSeparateFromTheUserHive) {
  std::filesystem::create_directories(m_root.File("folder"));
  HeldKey first = HeldKey::Hive(m_root.File("folder/config.db"));
  HeldKey second = HeldKey::Hive(m_root.Path() + "/folder/../folder/config.db");
  ASSERT_TRUE(first && second);
  SetText(first, "v", "shared");
  EXPECT_EQ("shared", TextValue(second, "v"));
  EXPECT_EQ("<missing>", TextValue(HKEY_CURRENT_USER, "v"));
}

TEST_F(RegistryTest, ReadsInsideAUnitSeeEveryWriteOfThatUnitThroughAnyHandle) {
  HeldKey first(HKEY_CURRENT_USER, "Cache");
  SetText(first, "a", "1");
  SetText(first, "b", "2");
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HeldKey second(HKEY_CURRENT_USER, "CACHE");
  // A first read probes one value by its own query; the next ones come from the key's cache.
  EXPECT_EQ("<missing>", TextValue(first, "zz"));
  EXPECT_EQ("1", TextValue(first, "a"));
  EXPECT_EQ("2", TextValue(second, "b"));
  SetText(second, "A", "changed");
  RegDeleteValue(second, "b");
  SetText(second, "c", "new");
  EXPECT_EQ("changed", TextValue(first, "a"));
  EXPECT_EQ("<missing>", TextValue(first, "b"));
  EXPECT_EQ("new", TextValue(first, "C"));
  EXPECT_EQ((std::vector<std::string>{"a", "c"}), RegistryValueNames(first)) << "creation order, spelling of creation";
  for (int i = 0; i < 40; ++i) SetText(second, ("n" + std::to_string(i)).c_str(), "many");
  EXPECT_EQ(42u, RegistryValueNames(first).size());
  EXPECT_EQ("n39", RegistryValueNames(first).back());
  EXPECT_EQ("changed", TextValue(second, "a"));
  RegDeleteTree(HKEY_CURRENT_USER, "Cache");
  EXPECT_EQ("<missing>", TextValue(first, "a")) << "a deleted key holds nothing";
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, false));
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, false));
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), RegistryValueNames(second)) << "listing first fills the cache";
  EXPECT_EQ("1", TextValue(first, "a")) << "the rolled-back unit left the old values";
  EXPECT_EQ("2", TextValue(second, "b"));
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
}

// Inside a unit a path found is answered again without a query, but never past a deletion.
TEST_F(RegistryTest, KeysFoundInsideAUnitFollowDeletionsAndNewKeys) {
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  for (char const* value : {"first", "second", "third"}) {
    // A key made between takes the next ids, so a stale answer would name a key that is gone.
    ASSERT_EQ(ERROR_SUCCESS, CreateRc(HKEY_CURRENT_USER, std::string("Other ") + value));
    HeldKey made(HKEY_CURRENT_USER, "Found\\Again");
    EXPECT_EQ("<missing>", TextValue(made, "v")) << "a key made again holds nothing of the deleted one";
    ASSERT_EQ(ERROR_SUCCESS, SetText(made, "v", value));
    made = nullptr;
    EXPECT_EQ(value, TextValue(HeldKey::Opened(HKEY_CURRENT_USER, "FOUND\\again"), "v"));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Found"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(HKEY_CURRENT_USER, "Found\\Again"));
  }
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
}

TEST_F(RegistryTest, UnitsOfWorkNestAndRollBackWhole) {
  ASSERT_EQ(ERROR_SUCCESS, CreateRc(HKEY_CURRENT_USER, "Work"));
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HeldKey key(HKEY_CURRENT_USER, "Work\\Inner");
  SetText(key, "a", "1");
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  SetText(key, "b", "2");
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, false));
  EXPECT_EQ("2", TextValue(key, "b")) << "inside the unit its own writes are visible";
  EXPECT_EQ(ERROR_REQUEST_ABORTED, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  EXPECT_EQ("<missing>", TextValue(key, "a"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(HKEY_CURRENT_USER, "Work\\Inner"));
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, false));
  key = CreateKey(HKEY_CURRENT_USER, "Work\\Kept");
  EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  EXPECT_EQ(ERROR_SUCCESS, SetText(key, "c", "3"));
  EXPECT_EQ("3", TextValue(key, "c"));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegEndUnitOfWork(HKEY_CURRENT_USER, true)) << "unbalanced end";
}

TEST_F(RegistryTest, KeysAreCreatedDownToTheDepthLimitFromEveryKindOfHandle) {
  HeldKey file = HeldKey::Hive(m_root.File("deep.db"));
  for (HKEY hive : {HKEY_CURRENT_USER, static_cast<HKEY>(file)}) {
    EXPECT_EQ(ERROR_BADKEY, CreateRc(hive, KeyChainPath(kRegMaxKeyDepth + 1)));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(hive, "k")) << "a refused creation makes no level";
    HeldKey middle(hive, KeyChainPath(500));
    ASSERT_NE(nullptr, middle);
    EXPECT_EQ(ERROR_BADKEY, CreateRc(middle, KeyChainPath(kRegMaxKeyDepth - 500 + 1)));
    HKEY made = nullptr;
    unsigned long disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(middle, KeyChainPath(kRegMaxKeyDepth - 500).c_str(), 0, nullptr, 0,
                                            KEY_ALL_ACCESS, nullptr, &made, &disposition));
    HeldKey bottom(made);
    EXPECT_EQ(REG_CREATED_NEW_KEY, disposition);
    EXPECT_EQ(ERROR_BADKEY, CreateRc(bottom, "below"));
    std::vector<RegFileOperation> steps;
    std::string const name = "HKEY_CURRENT_USER\\" + KeyChainPath(kRegMaxKeyDepth);
    EXPECT_EQ(ERROR_SUCCESS, RegKeyReader::Collect(bottom, name, steps));
    EXPECT_EQ(1u, steps.size());
    HeldKey reopened = HeldKey::Opened(hive, KeyChainPath(kRegMaxKeyDepth), KEY_ALL_ACCESS);
    ASSERT_NE(nullptr, reopened);
    EXPECT_EQ(ERROR_BADKEY, CreateRc(reopened, "below")) << "a reopened key knows its depth";
  }
}

// A hive written before the limit may hold deeper keys: they open, walks over them stop with an
// answer instead of exhausting the stack, and they can be deleted.
TEST_F(RegistryTest, DeeperKeysOfAnOlderHiveOpenAndDeleteAndBoundTheWalk) {
  std::string const path = m_root.File("old.db");
  ASSERT_EQ(ERROR_SUCCESS, CreateRc(HeldKey::Hive(path), "Top"));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  int const levels = 100000;
  ASSERT_TRUE(AddDeepKeyChain(path, {"top"}, levels, "k", false));
  HeldKey file = HeldKey::Hive(path);
  HKEY deepest = nullptr;
  unsigned long disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(file, ("Top\\" + KeyChainPath(levels)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, &deepest, &disposition));
  EXPECT_EQ(REG_OPENED_EXISTING_KEY, disposition);
  EXPECT_EQ(ERROR_BADKEY, CreateRc(HeldKey(deepest), "below"));
  std::vector<RegFileOperation> steps(1);
  EXPECT_EQ(ERROR_BADKEY, RegKeyReader::Collect(file, "HKEY_CURRENT_USER", steps));
  EXPECT_EQ(1u, steps.size()) << "a refused walk leaves its output alone";
  HeldKey top = HeldKey::Opened(file, KeyChainPath(kRegMaxKeyDepth - 1).replace(0, 1, "Top"));
  ASSERT_NE(nullptr, top);
  EXPECT_EQ(ERROR_BADKEY, RegKeyReader::Collect(top, "HKEY_CURRENT_USER\\" + KeyChainPath(kRegMaxKeyDepth - 1), steps))
      << "the walk counts the depth of the key it starts at";
  top = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(file, "top"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(file, "top"));
}

// Each writer commits every value on its own, as a host saving one setting at a time does.
TEST_F(RegistryTest, TwoProcessesWritingTheSameKeyLoseNothing) {
  ASSERT_EQ(ERROR_SUCCESS, CreateRc(HKEY_CURRENT_USER, "Shared"));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives()) << "no connection may cross fork";
  constexpr int kCount = 2000;
  pid_t children[2];
  for (char prefix : {'a', 'b'}) {
    if ((children[prefix - 'a'] = fork()) != 0) continue;
    HKEY key = CreateKey(HKEY_CURRENT_USER, "Shared");
    bool ok = key != nullptr;
    for (int i = 0; ok && i < kCount; ++i) ok = SetNumber(key, prefix + std::to_string(i), i) == ERROR_SUCCESS;
    _exit(ok ? 0 : 1);
  }
  for (pid_t child : children) EXPECT_EQ(0, ExitOf(child));
  EXPECT_EQ(2u * kCount, CountValues("Shared"));
  HeldKey key(HKEY_CURRENT_USER, "Shared");
  for (std::string const name : {"a0", "a999", "a1999", "b0", "b999", "b1999"}) {
    uint32_t const i = std::stoul(name.substr(1));
    EXPECT_EQ("4:" + std::string(reinterpret_cast<char const*>(&i), 4), RawValue(key, name.c_str())) << name;
  }
}

// This process knows the hive's value names after a unit of work; another process then adds
// names between our units. Writing and reading those names here must find them, not add them twice.
TEST_F(RegistryTest, NamesAnotherProcessAddedBetweenOurUnitsAreFound) {
  HeldKey ours(HKEY_CURRENT_USER, "Ours");
  RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
  ASSERT_EQ(ERROR_SUCCESS, SetText(ours, "Known", "k"));
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  ASSERT_EQ(0, ExitOf(ForkChild([] {
    HKEY theirs = CreateKey(HKEY_CURRENT_USER, "Theirs");
    return theirs && SetText(theirs, "Added Later", "t") == ERROR_SUCCESS && SetText(theirs, "Other", "o") == 0;
  })));
  struct Case { bool inUnit; char const* name; char const* text; };
  for (Case const& c : {Case{true, "added later", "a"}, Case{false, "OTHER", "b"}, Case{true, "Brand New", "c"}}) {
    if (c.inUnit) RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
    EXPECT_EQ(ERROR_SUCCESS, SetText(ours, c.name, c.text)) << c.name;
    EXPECT_EQ(ERROR_SUCCESS, c.inUnit ? RegEndUnitOfWork(HKEY_CURRENT_USER, true) : ERROR_SUCCESS) << c.name;
    EXPECT_EQ(c.text, TextValue(ours, c.name)) << c.name;
  }
  EXPECT_EQ("t", TextValue(HeldKey(HKEY_CURRENT_USER, "Theirs"), "ADDED LATER"));
  EXPECT_EQ(4u, RegistryValueNames(ours).size());
}

TEST_F(RegistryTest, AProcessKilledInsideAUnitOfWorkLeavesAllOrNothing) {
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  int ready[2];
  ASSERT_EQ(0, pipe(ready));
  constexpr int kCount = 3000;
  pid_t const child = fork();
  if (child == 0) {
    close(ready[0]);
    for (char const* path : {"Committed", "Pending"}) {
      RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
      HKEY key = CreateKey(HKEY_CURRENT_USER, path);
      for (int i = 0; i < kCount; ++i) SetNumber(key, "v" + std::to_string(i), 1);
      if (path[0] == 'C') RegEndUnitOfWork(HKEY_CURRENT_USER, true);
    }
    if (write(ready[1], "x", 1) != 1) _exit(1);
    for (;;) pause();
  }
  close(ready[1]);
  char signal = 0;
  ASSERT_EQ(1, read(ready[0], &signal, 1));
  close(ready[0]);
  kill(child, SIGKILL);
  EXPECT_EQ(-1, ExitOf(child));
  EXPECT_EQ(static_cast<unsigned long>(kCount), CountValues("Committed"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRc(HKEY_CURRENT_USER, "Pending"));
  EXPECT_EQ(ERROR_SUCCESS, SetNumber(HeldKey(HKEY_CURRENT_USER, "After"), "v", 1))
      << "the hive opens and takes writes after the crash";
}

}  // namespace
