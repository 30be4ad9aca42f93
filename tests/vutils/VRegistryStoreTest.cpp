#include <gtest/gtest.h>

#include "VMemoryKey.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "platform/registry/Registry.h"
#include "support/KeyDump.h"
#include "support/RegistryCalls.h"
#include "support/ScopedRoot.h"

namespace {

void MakeKey(HKEY hive, char const* path) { ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(CreateKey(hive, path))); }

// The memory store keeps the registry's byte forms too: numbers cut to 32 bits, lists ended twice.
TEST(VRegistryStoreTest, BothStoresKeepValuesInTheRegistryForms) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Forms");
  auto node = std::make_shared<VMemoryNode>("");
  VMemoryKey memory(node, false);
  auto write = [](auto& key) {
    ASSERT_TRUE(key.SetSz("sz", "abc") && key.SetDword("dword", 0x1234567801020304UL));
    ASSERT_TRUE(key.SetMultiSz("multi", VStringArray{"a", "", "bc"}) && key.SetMultiSz("none", VStringArray{}));
    ASSERT_TRUE(key.SetMultiSz("one empty", VStringArray{""}) && key.SetBinary("bin", "\x00\x01", 2));
  };
  {
    VProfileStore store(&factory);
    VProfileKey key(store.Root(), "S");
    write(key);
  }
  write(memory);
  HKEY stored = CreateKey(HKEY_CURRENT_USER, "Software\\Forms\\S");
  struct Case { char const* name; unsigned long type; std::string bytes; };
  Case const cases[] = {
      {"sz", REG_SZ, std::string("abc\0", 4)},           {"dword", REG_DWORD, std::string("\x04\x03\x02\x01", 4)},
      {"multi", REG_MULTI_SZ, std::string("a\0\0bc\0\0", 7)}, {"none", REG_MULTI_SZ, std::string("\0", 1)},
      {"one empty", REG_MULTI_SZ, std::string("\0\0", 2)}, {"bin", REG_BINARY, std::string("\x00\x01", 2)}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RawValue(stored, c.name), std::to_string(c.type) + ":" + c.bytes);
    VMemoryNode::Value const* value = node->FindValue(c.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(std::string(value->data.begin(), value->data.end()), c.bytes);
  }
  RegCloseKey(stored);
}

TEST(VRegistryStoreTest, TextStopsAtTheFirstZeroByteAndMultiSzSplitsLikeTheRegistry) {
  ScopedRoot root;
  HKEY key = CreateKey(HKEY_CURRENT_USER, "Software\\Raw");
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
  EXPECT_EQ(DumpKey(&raw),
            "sz = sz \"ab\"\nunterminated = sz \"xyz\"\nmulti = multi_sz \"a\" \"b\"\nempty = multi_sz\n");
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
