#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "VMemoryKey.h"
#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "platform/types/WinTypes.h"

namespace {

std::vector<std::string> Names(VProfileKey* key, bool values) {
  VProfileKeyIterator it(key, values);
  std::vector<std::string> names;
  VString name;
  while (it.Next(name)) names.push_back(name.Str());
  return names;
}

TEST(VMemoryStore, OpeningAPathCreatesOnlyInWritableMode) {
  VMemoryStoreFactory factory;
  {
    VProfileStore store(true, &factory);
    VProfileKey key(store.Root(), "A\\B");
    unsigned long number = 0xdeadbeef;
    EXPECT_FALSE(key.SetDword("n", 1));
    EXPECT_FALSE(key.GetDword("n", number));
    EXPECT_EQ(number, 0xdeadbeefUL);
    EXPECT_TRUE(Names(&key, false).empty());
    EXPECT_FALSE(store.Root()->KeyExists("A"));
  }
  VProfileStore store(&factory);
  EXPECT_FALSE(store.Root()->KeyExists("A\\B"));
  EXPECT_TRUE(Names(store.Root(), false).empty());
  { VProfileKey key(store.Root(), "A\\B"); }
  EXPECT_TRUE(store.Root()->KeyExists("A"));
  EXPECT_TRUE(store.Root()->KeyExists("a\\b"));

  // Another store of the same factory sees the tree; a read-only one cannot write.
  VProfileStore reader(true, &factory);
  VProfileKey b(reader.Root(), "A\\B");
  EXPECT_FALSE(b.IsWritable());
  EXPECT_FALSE(b.SetSz("x", "y"));
  EXPECT_TRUE(Names(reader.Root(), false) == std::vector<std::string>{"A"});
}

TEST(VMemoryStore, MalformedPathsOpenNothing) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  for (std::string path : std::vector<std::string>{"A\\\\B", "\\A", "A\\", std::string(256, 'k')}) {
    VProfileKey key(store.Root(), path.c_str());
    EXPECT_FALSE(key.SetDword("n", 1)) << path;
    EXPECT_FALSE(store.Root()->KeyExists(path.c_str())) << path;
  }
  EXPECT_TRUE(Names(store.Root(), false).empty());
  VProfileKey longest(store.Root(), std::string(255, 'k').c_str());
  EXPECT_TRUE(longest.SetDword("n", 1));
}

TEST(VMemoryStore, StoredBytesFollowTheRegistryForms) {
  auto node = std::make_shared<VMemoryNode>("");
  VMemoryKey key(node, false);
  ASSERT_TRUE(key.SetSz("sz", "ab"));
  ASSERT_TRUE(key.SetDword("dword", 0x1234567890ABCDEFUL));
  ASSERT_TRUE(key.SetMultiSz("multi", VStringArray{"a", "", "bc"}));
  ASSERT_TRUE(key.SetMultiSz("empty", VStringArray{}));
  struct Case {
    char const* name;
    unsigned long type;
    std::vector<unsigned char> bytes;
  } const cases[] = {
      {"sz", REG_SZ, {'a', 'b', 0}},
      {"dword", REG_DWORD, {0xEF, 0xCD, 0xAB, 0x90}},
      {"multi", REG_MULTI_SZ, {'a', 0, 0, 'b', 'c', 0, 0}},
      {"empty", REG_MULTI_SZ, {0}},
  };
  for (Case const& c : cases) {
    VMemoryNode::Value const* value = node->FindValue(c.name);
    ASSERT_NE(value, nullptr) << c.name;
    EXPECT_EQ(value->type, c.type) << c.name;
    EXPECT_EQ(value->data, c.bytes) << c.name;
  }
  // Reads are kind-strict even where the bytes would convert.
  unsigned long number = 0;
  VString text;
  VStringArray list;
  EXPECT_FALSE(key.GetDword("sz", number) || key.GetSz("dword", text) || key.GetMultiSz("sz", list));
  ASSERT_TRUE(key.SetSz("dword", "1"));
  EXPECT_FALSE(key.GetDword("dword", number));
}

TEST(VMemoryStore, MultiSzSplitsStoredBytes) {
  auto node = std::make_shared<VMemoryNode>("");
  VMemoryKey key(node, false);
  struct Case {
    std::string bytes;
    VStringArray expected;
  } const cases[] = {
      {std::string("a\0\0b\0\0", 6), {"a", "", "b"}},
      {std::string("\0", 1), {}},
      {std::string(), {}},
      {std::string("\0\0", 2), {""}},
      {std::string("a\0\0\0", 4), {"a", ""}},
      {std::string("a\0b", 3), {"a", "b"}},
      {std::string("ab", 2), {"ab"}},
      {std::string("a\0", 2), {"a"}},
  };
  for (Case const& c : cases) {
    node->SetValue("v", REG_MULTI_SZ, reinterpret_cast<unsigned char const*>(c.bytes.data()), c.bytes.size());
    VStringArray out{"stale"};
    EXPECT_TRUE(key.GetMultiSz("v", out));
    EXPECT_TRUE(out == c.expected) << c.bytes.size();
  }
  // Round trips through the stored form.
  for (VStringArray const& list : {VStringArray{"a", "", "b"}, VStringArray{}, VStringArray{""}, VStringArray{"", ""}}) {
    ASSERT_TRUE(key.SetMultiSz("r", list));
    VStringArray out;
    EXPECT_TRUE(key.GetMultiSz("r", out));
    EXPECT_TRUE(out == list) << list.GetSize();
  }
  VStringArray out{"stale"};
  EXPECT_FALSE(key.GetMultiSz("missing", out));
  EXPECT_TRUE(out.IsEmpty());
}

TEST(VMemoryStore, BinaryCapacityRules) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  struct Case {
    unsigned long stored, capacity;
    bool result;
    unsigned long size;
  } const cases[] = {
      {40, 44, true, 40}, {48, 44, false, 48}, {10, 0, false, 10}, {44, 44, true, 44}, {0, 0, true, 0},
  };
  for (Case const& c : cases) {
    std::vector<unsigned char> stored(c.stored, 0x5A);
    ASSERT_TRUE(store.Root()->SetBinary("b", stored.data(), c.stored));
    std::vector<unsigned char> buffer(64, 0xCC);
    unsigned long size = c.capacity;
    EXPECT_EQ(store.Root()->GetBinary("b", buffer.data(), size), c.result) << c.stored << "/" << c.capacity;
    EXPECT_EQ(size, c.size);
    size_t const written = c.result ? c.stored : 0;
    for (size_t i = 0; i < buffer.size(); ++i)
      ASSERT_EQ(buffer[i], i < written ? 0x5A : 0xCC) << "byte " << i << " of " << c.stored << "/" << c.capacity;
  }
}

TEST(VMemoryStore, NamesFoldCaseAndKeepTheirFirstSpelling) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  VProfileKey* root = store.Root();
  ASSERT_TRUE(root->SetDword("Zeta", 1));
  ASSERT_TRUE(root->SetDword("alpha", 2));
  ASSERT_TRUE(root->SetDword("ZETA", 3));
  ASSERT_TRUE(root->SetSz("Größe", "x"));
  unsigned long number = 0;
  EXPECT_TRUE(root->GetDword("zeta", number));
  EXPECT_EQ(number, 3UL);
  VString text;
  EXPECT_TRUE(root->GetSz("GRÖSSE", text));
  EXPECT_EQ(Names(root, true), (std::vector<std::string>{"Zeta", "alpha", "Größe"}));

  std::string const longName(40, 'L');
  for (char const* path : {"beta", "Alpha", "ALPHA\\x", "Ärger", longName.c_str(), "gamma"}) VProfileKey open(root, path);
  EXPECT_EQ(Names(root, false), (std::vector<std::string>{"Alpha", "beta", "gamma", longName, "Ärger"}));
  VProfileKey leaf(root, "alpha\\x");
  EXPECT_TRUE(Names(&leaf, false).empty());
  EXPECT_TRUE(root->DeleteValue("ALPHA"));
  EXPECT_FALSE(root->DeleteValue("alpha"));
}

TEST(VMemoryStore, DeleteKeyRemovesTheSubtree) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  VProfileKey* root = store.Root();
  for (char const* path : {"S\\a\\1", "S\\a\\2", "S\\b", "S\\c\\3"}) VProfileKey open(root, path);
  VProfileKey held(root, "S\\a\\1");
  ASSERT_TRUE(held.SetDword("n", 1));

  EXPECT_TRUE(root->DeleteKey("s"));
  EXPECT_FALSE(root->KeyExists("S"));
  unsigned long number = 0;
  EXPECT_FALSE(held.GetDword("n", number));
  EXPECT_FALSE(held.SetDword("n", 2));
  EXPECT_FALSE(held.KeyExists(""));
  VProfileKey below(&held, "deeper");
  EXPECT_FALSE(below.SetDword("n", 1));
  EXPECT_FALSE(root->KeyExists("S"));
}

TEST(VMemoryStore, DeleteKeyStopsAtAKeyThatCannotBeRemoved) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  VProfileKey* root = store.Root();
  for (char const* path : {"S\\a", "S\\b\\inner", "S\\c"}) VProfileKey open(root, path);
  ASSERT_TRUE(factory.SetUndeletable("s\\B\\inner"));
  EXPECT_FALSE(factory.SetUndeletable("S\\missing"));

  EXPECT_FALSE(root->DeleteKey("S"));
  EXPECT_TRUE(root->KeyExists("S\\b\\inner"));
  // Walked from the last name down: c went before the failure, a was never tried.
  EXPECT_FALSE(root->KeyExists("S\\c"));
  EXPECT_TRUE(root->KeyExists("S\\a"));

  ASSERT_TRUE(factory.SetUndeletable("S\\b\\inner", false));
  EXPECT_TRUE(root->DeleteKey("S"));
  EXPECT_FALSE(root->KeyExists("S"));
}

}  // namespace
