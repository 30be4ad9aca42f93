#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"
#include "support/DeepKeyChain.h"
#include "support/KeyChainPath.h"
#include "support/ScopedRoot.h"

namespace {

long Create(HKEY parent, std::string const& path, HKEY* key = nullptr, unsigned long* disposition = nullptr) {
  HKEY created = nullptr;
  long const rc =
      RegCreateKeyEx(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, disposition);
  if (key) *key = created;
  else if (created) RegCloseKey(created);
  return rc;
}

bool Exists(HKEY parent, char const* path) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

TEST(RegistryDepthTest, KeysAreCreatedDownToTheLimitFromEveryKindOfHandle) {
  ScopedRoot root;
  HKEY file = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(root.File("deep.db").c_str(), &file));
  for (HKEY hive : {HKEY_CURRENT_USER, file}) {
    EXPECT_EQ(ERROR_BADKEY, Create(hive, KeyChainPath(kRegMaxKeyDepth + 1)));
    EXPECT_FALSE(Exists(hive, "k")) << "a refused creation makes no level";
    HKEY middle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, Create(hive, KeyChainPath(500), &middle));
    EXPECT_EQ(ERROR_BADKEY, Create(middle, KeyChainPath(kRegMaxKeyDepth - 500 + 1)));
    HKEY bottom = nullptr;
    unsigned long disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, Create(middle, KeyChainPath(kRegMaxKeyDepth - 500), &bottom, &disposition));
    EXPECT_EQ(REG_CREATED_NEW_KEY, disposition);
    EXPECT_EQ(ERROR_BADKEY, Create(bottom, "below"));
    std::vector<RegFileOperation> steps;
    EXPECT_EQ(ERROR_SUCCESS, RegKeyReader::Collect(bottom, "HKEY_CURRENT_USER\\" + KeyChainPath(kRegMaxKeyDepth), steps));
    EXPECT_EQ(1u, steps.size());
    HKEY reopened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(hive, KeyChainPath(kRegMaxKeyDepth).c_str(), 0, KEY_ALL_ACCESS, &reopened));
    EXPECT_EQ(ERROR_BADKEY, Create(reopened, "below")) << "a reopened key knows its depth";
    for (HKEY key : {middle, bottom, reopened}) RegCloseKey(key);
  }
  RegCloseKey(file);
}

// A hive written before the limit may hold deeper keys: they open, walks over them stop with an
// answer instead of exhausting the stack, and they can be deleted.
TEST(RegistryDepthTest, DeeperKeysOfAnOlderHiveOpenAndDeleteAndBoundTheWalk) {
  ScopedRoot root;
  std::string const path = root.File("old.db");
  HKEY file = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(path.c_str(), &file));
  ASSERT_EQ(ERROR_SUCCESS, Create(file, "Top"));
  RegCloseKey(file);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  int const levels = 100000;
  ASSERT_TRUE(AddDeepKeyChain(path, {"top"}, levels, "k", false));

  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(path.c_str(), &file));
  HKEY deepest = nullptr;
  unsigned long disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, Create(file, "Top\\" + KeyChainPath(levels), &deepest, &disposition));
  EXPECT_EQ(REG_OPENED_EXISTING_KEY, disposition);
  EXPECT_EQ(ERROR_BADKEY, Create(deepest, "below"));
  RegCloseKey(deepest);

  std::vector<RegFileOperation> steps(1);
  EXPECT_EQ(ERROR_BADKEY, RegKeyReader::Collect(file, "HKEY_CURRENT_USER", steps));
  EXPECT_EQ(1u, steps.size()) << "a refused walk leaves its output alone";
  HKEY top = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(file, KeyChainPath(kRegMaxKeyDepth - 1).replace(0, 1, "Top").c_str(), 0, KEY_READ, &top));
  EXPECT_EQ(ERROR_BADKEY, RegKeyReader::Collect(top, "HKEY_CURRENT_USER\\" + KeyChainPath(kRegMaxKeyDepth - 1), steps))
      << "the walk counts the depth of the key it starts at";
  RegCloseKey(top);

  EXPECT_EQ(ERROR_SUCCESS, RegDeleteTree(file, "top"));
  EXPECT_FALSE(Exists(file, "top"));
  RegCloseKey(file);
}

}  // namespace
