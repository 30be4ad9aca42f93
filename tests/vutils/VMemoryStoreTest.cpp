// What only the memory store does; the key contract both stores keep runs in tests/contract.
#include <gtest/gtest.h>

#include "VMemoryKey.h"
#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "platform/types/WinTypes.h"
#include "support/KeyChainPath.h"

namespace {

TEST(VMemoryStore, MalformedPathsOpenNothing) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  for (std::string path : std::vector<std::string>{"A\\\\B", "\\A", "A\\", std::string(256, 'k')}) {
    VProfileKey key(store.Root(), path.c_str());
    EXPECT_FALSE(key.SetDword("n", 1)) << path;
    EXPECT_FALSE(store.Root()->KeyExists(path.c_str())) << path;
  }
  VString name;
  EXPECT_FALSE(VProfileKeyIterator(store.Root(), false).Next(name)) << name.Str();
  VProfileKey longest(store.Root(), std::string(255, 'k').c_str());
  EXPECT_TRUE(longest.SetDword("n", 1));
}

// The registry's depth limit holds here too, whether a path is opened at once or level by level.
TEST(VMemoryStore, KeysLieAtMost512LevelsBelowTheRoot) {
  VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  std::string const path = KeyChainPath(512);
  EXPECT_FALSE(VProfileKey(store.Root(), (path + "\\k").c_str()).SetDword("n", 1));
  EXPECT_FALSE(store.Root()->KeyExists("k"));
  EXPECT_FALSE(store.Root()->DeleteKey((path + "\\k").c_str()));
  VProfileKey deepest(store.Root(), path.c_str());
  EXPECT_TRUE(deepest.SetDword("n", 1));
  EXPECT_FALSE(VProfileKey(&deepest, "below").SetDword("n", 1));
  EXPECT_FALSE(deepest.KeyExists("below"));
  EXPECT_TRUE(store.Root()->DeleteKey("k"));
  EXPECT_FALSE(store.Root()->KeyExists("k"));
}

TEST(VMemoryStore, MultiSzSplitsStoredBytes) {
  auto node = std::make_shared<VMemoryNode>("");
  VMemoryKey key(node, false);
  struct Case { std::string bytes; VStringArray expected; };
  Case const cases[] = {
      {std::string("a\0\0b\0\0", 6), {"a", "", "b"}}, {std::string("\0", 1), {}},   {std::string(), {}},
      {std::string("\0\0", 2), {""}},             {std::string("a\0\0\0", 4), {"a", ""}},
      {std::string("a\0b", 3), {"a", "b"}},        {std::string("ab", 2), {"ab"}}, {std::string("a\0", 2), {"a"}},
  };
  for (Case const& c : cases) {
    node->SetValue("v", REG_MULTI_SZ, reinterpret_cast<unsigned char const*>(c.bytes.data()), c.bytes.size());
    VStringArray out{"stale"};
    EXPECT_TRUE(key.GetMultiSz("v", out));
    EXPECT_TRUE(out == c.expected) << c.bytes.size();
  }
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
