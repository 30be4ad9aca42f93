#include "platform/registry/Registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry/RegKeyReader.h"
#include "support/ChildProcess.h"
#include "support/DeepKeyChain.h"
#include "support/FaultyDiskVfs.h"
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

// Every call is refused, a hive of a later layout with ERROR_BADDB, and the file stays as it was.
TEST_F(RegistryTest, DamagedForeignOrNewerHiveFilesFailCleanlyAndAreNotOverwritten) {
  std::string const newer = m_root.File("newer.db");
  Sql(newer, Layout("1", "PRAGMA user_version = 9; PRAGMA journal_mode=DELETE;"));
  // rc: the refusal every call gets; any when 0
  struct Case { char const* what; std::string bytes; long rc; } const cases[] = {
      {"garbage", std::string(4096, 'g'), 0}, {"short", "SQLite", 0},
      {"truncated database header", std::string("SQLite format 3\0", 16) + std::string(84, '\x01'), 0},
      {"later layout", ReadFileBytes(newer), ERROR_BADDB}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    std::string const file = m_root.File(std::string(c.what) + ".db");
    WriteFileBytes(file, c.bytes);
    HeldKey hive = HeldKey::Hive(file);
    ASSERT_TRUE(hive);
    for (long const rc : {CreateRc(hive, "X"), OpenRc(hive, "Sessions"), SetText(hive, "v", "x")})
      EXPECT_TRUE(c.rc ? rc == c.rc : rc != ERROR_SUCCESS) << rc;
    EXPECT_FALSE(HasSubkeys(hive));
    ReleaseHive(hive.Release());
    EXPECT_EQ(c.bytes, ReadFileBytes(file));
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

// One key of a subtree as the key-by-key calls see it: parent index, name and the values.
std::string Describe(size_t parent, std::string const& name, std::vector<RegSubtreeKey::Value> const& values) {
  std::string text = std::to_string(static_cast<long>(parent)) + " " + name;
  for (auto const& value : values) text += value.found ? " [" + std::to_string(value.type) + ":" + value.data + "]" : " -";
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The subtree read through RegEnumKeyEx and RegQueryValueEx, breadth first.
std::vector<std::string> KeyByKey(HKEY top, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& wanted) {
  struct Pending { HKEY key; size_t index; unsigned long depth; std::string name; size_t parent; };
  std::vector<Pending> queue{{top, 0, 0, "", RegSubtreeKey::kNoParent}};
  std::vector<std::string> described;
  for (size_t next = 0; next < queue.size(); ++next) {
    Pending const current = queue[next];
    std::vector<RegSubtreeKey::Value> values(wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i) {
      if (!wanted[i].keyName.empty() && Lower(wanted[i].keyName) != Lower(current.name)) continue;
      std::string const raw = RawValue(current.key, wanted[i].valueName.c_str());
      if ((values[i].found = raw != "<missing>")) {
        values[i].type = std::stoul(raw);
        values[i].data = raw.substr(raw.find(':') + 1);
      }
    }
    described.push_back(Describe(current.parent, current.name, values));
    char name[256];
    for (unsigned long i = 0; current.depth < depth; ++i) {
      unsigned long length = sizeof name;
      if (RegEnumKeyEx(current.key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      HKEY child = nullptr;
      EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyEx(current.key, name, 0, KEY_READ, &child));
      queue.push_back({child, queue.size(), current.depth + 1, std::string(name, length), current.index});
    }
  }
  for (size_t i = 1; i < queue.size(); ++i) RegCloseKey(queue[i].key);
  return described;
}

std::vector<std::string> AtOnce(HKEY top, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& wanted) {
  std::vector<RegSubtreeKey> keys;
  EXPECT_EQ(ERROR_SUCCESS, RegReadSubtree(top, depth, wanted, keys));
  std::vector<std::string> described;
  for (size_t i = 0; i < keys.size(); ++i) described.push_back(Describe(keys[i].parent, i ? keys[i].name : "", keys[i].values));
  return described;
}

// A tree of folders holding marked entries (the mark first), folders without values, records
// whose values only keys of their name are asked for, a mark that is not a key's first value
// and one that became first when the value before it went; `entries` per folder decides whether
// the first values are looked up or scanned.
void Seed(HKEY top, int folders, int entries) {
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(top, true));
  for (int f = 0; f < folders; ++f) {
    std::string const folder = (f % 2 ? "folder " : "Folder ") + std::to_string(f);
    HeldKey record(top, folder + "\\Record");
    ASSERT_EQ(ERROR_SUCCESS, SetText(record, "List", "a:b:", false));
    ASSERT_EQ(ERROR_SUCCESS, SetNumber(record, "Mark", 2));
    for (int e = 0; e < entries; ++e) {
      HeldKey entry(top, folder + "\\entry " + std::to_string(e));
      bool const other = e % 7 == 3 || e % 7 == 5;
      ASSERT_EQ(ERROR_SUCCESS, other ? SetText(entry, "Other", "first", false) : ERROR_SUCCESS);
      ASSERT_EQ(ERROR_SUCCESS, SetNumber(entry, "Mark", 1));
      ASSERT_EQ(ERROR_SUCCESS, SetText(entry, "Host", "h" + std::to_string(e), false));
      // The mark takes the first place.
      ASSERT_EQ(ERROR_SUCCESS, e % 7 == 5 ? RegDeleteValue(entry, "Other") : ERROR_SUCCESS);
    }
    ASSERT_EQ(ERROR_SUCCESS, CreateRc(top, folder + "\\Empty\\Deeper"));
  }
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(top));
}

TEST_F(RegistryTest, ReadSubtreeAnswersWhatTheKeyByKeyCallsAnswerAtEveryDepthAndSize) {
  // More values than a key's first: looked up one by one in a small tree, all at once in a large one.
  std::vector<RegSubtreeKey::Wanted> const wanted{{"MARK", ""},  {"list", "record"}, {"Absent", ""},
                                                  {"host", ""},  {"other", ""},      {"Mark", "RECORD"}};
  struct Case { int folders; int entries; unsigned long depth; };
  for (Case const c : {Case{3, 5, 0}, Case{3, 5, 1}, Case{3, 5, 2}, Case{3, 5, 99}, Case{40, 60, 99}, Case{40, 60, 1}}) {
    SCOPED_TRACE(std::to_string(c.folders) + " folders of " + std::to_string(c.entries) + ", depth " +
                 std::to_string(c.depth));
    HeldKey top(HKEY_CURRENT_USER, "Tree");
    Seed(top, c.folders, c.entries);
    EXPECT_EQ(KeyByKey(top, c.depth, wanted), AtOnce(top, c.depth, wanted));
    top = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Tree"));
  }
}

TEST_F(RegistryTest, ReadSubtreeRefusesBadRequestsAndReadsNothingWhereNothingIs) {
  std::vector<RegSubtreeKey> keys(3);
  std::vector<RegSubtreeKey::Wanted> const tooMany(RegSubtreeKey::kMostValues + 1, {"a", ""});
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegReadSubtree(HKEY_CURRENT_USER, 1, tooMany, keys));
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegReadSubtree(HKEY_CURRENT_USER, 1, {{std::string(16384, 'a'), ""}}, keys));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegReadSubtree(reinterpret_cast<HKEY>(0x1234), 1, {}, keys));
  ASSERT_EQ(ERROR_SUCCESS, SetText(HeldKey(HKEY_CURRENT_USER, "K"), "v", "x", false));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegReadSubtree(HeldKey::Opened(HKEY_CURRENT_USER, "K", KEY_QUERY_VALUE), 1, {}, keys));
  HeldKey gone = HeldKey::Opened(HKEY_CURRENT_USER, "K");
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "K"));
  EXPECT_EQ(ERROR_SUCCESS, RegReadSubtree(gone, 1, {{"v", ""}}, keys));
  EXPECT_TRUE(keys.empty());
}

// A key deleted and another made in its place within one unit of work: the new key's values
// are placed from the first again, so the subtree read finds its first value.
TEST_F(RegistryTest, ReadSubtreeFindsTheFirstValueOfAKeyMadeAgainInTheSameUnit) {
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HeldKey gone(HKEY_CURRENT_USER, "T\\gone");
  SetText(gone, "Mark", "x", false);
  SetText(gone, "Other", "y", false);
  gone = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "T\\gone"));
  SetText(HeldKey(HKEY_CURRENT_USER, "T\\made"), "Mark", "z", false);
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER));
  std::vector<RegSubtreeKey> keys;
  ASSERT_EQ(ERROR_SUCCESS, RegReadSubtree(HKEY_CURRENT_USER, 99, {{"mark", ""}}, keys));
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ("made", keys[2].name);
  EXPECT_TRUE(keys[2].values[0].found);
}

TEST_F(RegistryTest, TheFirstWritableOpenUpgradesAnOldHiveOnceKeepingValuesOrderAndSpellings) {
  std::string const file = m_root.File("old.db");
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

TEST_F(RegistryTest, AProcessThatMayOnlyReadAnOldHiveReadsItAndLeavesItAsItWas) {
  for (char const* version : {"2", "3"}) {
    SCOPED_TRACE(version);
    std::string const file = m_root.File(std::string("old") + version + ".db");
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

TEST_F(RegistryTest, AKillDuringAHiveUpgradeLeavesTheOldLayoutAndTheNextOpenUpgrades) {
  for (char const* version : {"2", "3"}) {
    SCOPED_TRACE(version);
    std::string const file = m_root.File(std::string("old") + version + ".db");
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

TEST_F(RegistryTest, AFirstVersionHiveKeepsEveryValueAndItsOrderAndTakesNewOnes) {
  std::string const file = m_root.File("old.db");
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

TEST_F(RegistryTest, ANewHiveIsWalAtTheLatestLayoutAndNewValuesFollowTheLastPlace) {
  std::string const file = m_root.File("full.db");
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

}  // namespace
