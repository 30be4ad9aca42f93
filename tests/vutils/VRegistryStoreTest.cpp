#include <gtest/gtest.h>

#include "VMemoryKey.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "platform/registry/Registry.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"

namespace {

std::string Raw(char const* path, char const* name, unsigned long& type) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  unsigned long size = 0;
  RegQueryValueEx(key, name, nullptr, &type, nullptr, &size);
  std::string data(size, '\0');
  RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<unsigned char*>(data.data()), &size);
  RegCloseKey(key);
  return data;
}

void MakeKey(HKEY hive, char const* path) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(hive, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  RegCloseKey(key);
}

// The memory store keeps the registry's byte forms too: numbers cut to 32 bits, lists ended twice.
TEST(VRegistryStoreTest, BothStoresKeepValuesInTheRegistryForms) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Forms");
  auto node = std::make_shared<VMemoryNode>("");
  VMemoryKey memory(node, false);
  auto write = [](auto& key) {
    ASSERT_TRUE(key.SetSz("sz", "abc"));
    ASSERT_TRUE(key.SetDword("dword", 0x1234567801020304UL));
    ASSERT_TRUE(key.SetMultiSz("multi", VStringArray{"a", "", "bc"}));
    ASSERT_TRUE(key.SetMultiSz("none", VStringArray{}));
    ASSERT_TRUE(key.SetMultiSz("one empty", VStringArray{""}));
    ASSERT_TRUE(key.SetBinary("bin", "\x00\x01", 2));
  };
  {
    VProfileStore store(&factory);
    VProfileKey key(store.Root(), "S");
    write(key);
  }
  write(memory);
  struct Case { char const* name; unsigned long type; std::string bytes; };
  Case const cases[] = {
      {"sz", REG_SZ, std::string("abc\0", 4)},           {"dword", REG_DWORD, std::string("\x04\x03\x02\x01", 4)},
      {"multi", REG_MULTI_SZ, std::string("a\0\0bc\0\0", 7)}, {"none", REG_MULTI_SZ, std::string("\0", 1)},
      {"one empty", REG_MULTI_SZ, std::string("\0\0", 2)}, {"bin", REG_BINARY, std::string("\x00\x01", 2)}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    unsigned long type = 0;
    EXPECT_EQ(Raw("Software\\Forms\\S", c.name, type), c.bytes);
    EXPECT_EQ(type, c.type);
    VMemoryNode::Value const* value = node->FindValue(c.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(std::string(value->data.begin(), value->data.end()), c.bytes);
  }
}

TEST(VRegistryStoreTest, TextStopsAtTheFirstZeroByteAndMultiSzSplitsLikeTheRegistry) {
  ScopedRoot root;
  MakeKey(HKEY_CURRENT_USER, "Software\\Raw");
  HKEY key = nullptr;
  RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Raw", 0, KEY_ALL_ACCESS, &key);
  auto set = [&](char const* name, unsigned long type, std::string const& bytes) {
    RegSetValueEx(key, name, 0, type, reinterpret_cast<unsigned char const*>(bytes.data()), bytes.size());
  };
  set("sz", REG_SZ, std::string("ab\0cd", 5));
  set("unterminated", REG_SZ, "xyz");
  set("multi", REG_MULTI_SZ, std::string("a\0b", 3));
  set("empty", REG_MULTI_SZ, "");
  RegCloseKey(key);
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software");
  VProfileStore store(true, &factory);
  VProfileKey raw(store.Root(), "Raw");
  EXPECT_EQ(DumpValue(&raw, "sz"), "sz \"ab\"");
  EXPECT_EQ(DumpValue(&raw, "unterminated"), "sz \"xyz\"");
  EXPECT_EQ(DumpValue(&raw, "multi"), "multi_sz \"a\" \"b\"");
  EXPECT_EQ(DumpValue(&raw, "empty"), "multi_sz");
}

TEST(VRegistryStoreTest, LibraryRootFollowsTheFourProbes) {
  struct Case { char const* what; HKEY existingHive; char const* existingPath; HKEY expectedHive; char const* path; };
  Case const cases[] = {
      {"nothing anywhere", nullptr, nullptr, HKEY_CURRENT_USER, "SOFTWARE\\Brimvale"},
      {"machine only", HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale", HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale"},
      {"older user path", HKEY_CURRENT_USER, "Software\\Brim Vale Technologies", HKEY_CURRENT_USER,
       "SOFTWARE\\Brim Vale Technologies"},
      {"older machine path", HKEY_LOCAL_MACHINE, "SOFTWARE\\Brim Vale Technologies", HKEY_LOCAL_MACHINE,
       "SOFTWARE\\Brim Vale Technologies"},
      {"user path", HKEY_CURRENT_USER, "SOFTWARE\\BRIMVALE", HKEY_CURRENT_USER, "SOFTWARE\\Brimvale"},
  };
  for (Case const& c : cases) {
    ScopedRoot root;
    if (c.existingHive) MakeKey(c.existingHive, c.existingPath);
    ResetLibraryRegistryFactory();
    VRegistryStoreFactory* factory = GetLibraryRegistryFactory();
    EXPECT_EQ(c.expectedHive, factory->Hive()) << c.what;
    EXPECT_EQ(c.path, factory->BasePath()) << c.what;
    EXPECT_EQ(factory, GetLibraryRegistryFactory()) << "chosen once";
    ResetLibraryRegistryFactory();
  }
}

TEST(VRegistryStoreTest, ReadOnlyModeIsKeptEvenWhenTheKeyOpensForReading) {
  ScopedRoot root;
  MakeKey(HKEY_CURRENT_USER, "Software\\Mode\\Child");
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Mode");
  VProfileStore store(true, &factory);
  VProfileKey child(store.Root(), "Child");
  EXPECT_FALSE(child.IsWritable());
  EXPECT_TRUE(store.Root()->KeyExists("Child"));
  EXPECT_FALSE(child.SetDword("v", 1));
  EXPECT_TRUE(store.Root()->DeleteKey("Child")) << "deleting opens the subkey writable whatever the mode";
}

TEST(VRegistryStoreTest, AStoreIsOneUnitOfWorkThatNestedStoresJoin) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Unit");
  {
    VProfileStore outer(&factory);
    VProfileKey key(outer.Root(), "K");
    key.SetDword("a", 1);
    {
      VProfileStore inner(&factory);
      VProfileKey same(inner.Root(), "K");
      same.SetDword("b", 2);
    }
    // Dooming the outer unit rolls back what the inner store wrote too.
    RegEndUnitOfWork(HKEY_CURRENT_USER, false);
    RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
  }
  VProfileStore reader(true, &factory);
  EXPECT_FALSE(reader.Root()->KeyExists("K"));
}

}  // namespace
