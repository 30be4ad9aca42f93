// What each store does beside the key contract both keep (tests/contract): the registry's byte
// forms, the library root's probes and units of work of the registry store, the memory store's limits.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VMemoryKey.h"
#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "platform/registry/Registry.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/HeldKey.h"
#include "support/KeyChainPath.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"

namespace {

void MakeKey(HKEY hive, char const* path) { ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(CreateKey(hive, path))); }

template <typename Key>
bool Write(Key& key, std::vector<CaseWord> const& words) {
  if (words[0].text == "dword") return key.SetDword("v", std::stoul(words[1].text, nullptr, 0));
  std::string const data = words.size() > 1 ? words[1].text : "";
  if (words[0].text == "sz") return key.SetSz("v", data.c_str());
  if (words[0].text == "binary") return key.SetBinary("v", data.data(), data.size());
  VStringArray list;
  for (size_t i = 1; i < words.size(); ++i) list.Add(words[i].text);
  return key.SetMultiSz("v", list);
}

// What a key reads from "v", written as a case writes a value; a list read that kept a stale item shows it.
template <typename Key>
std::string Read(Key& key) {
  unsigned long number = 0;
  VString text;
  VStringArray list{"stale"};
  if (key.GetDword("v", number)) return "dword " + std::to_string(number);
  if (key.GetSz("v", text)) return "sz " + DumpText(text.Str());
  if (key.GetMultiSz("v", list)) {
    std::string answer = "multi_sz";
    for (VString const& item : list) answer += " " + DumpText(item.Str());
    return answer;
  }
  char bytes[64];
  unsigned long size = sizeof bytes;
  return key.GetBinary("v", bytes, size) ? "binary " + DumpText(std::string(bytes, size)) : "<none>";
}

TEST(VProfileStoresTest, BothKeepAndReadTheRegistrysByteForms) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Forms");
  HeldKey raw(HKEY_CURRENT_USER, "Software\\Forms");
  ExpectCaseFile("vutils/stored_forms.txt", [&](std::string const& line) {
    std::vector<CaseWord> const words = CaseWords(line);
    auto node = std::make_shared<VMemoryNode>("");
    VMemoryKey memory(node, false);
    RegDeleteValue(raw, "v");
    if (words[0].text == "stored") {
      std::string const& bytes = words[2].text;
      auto const* data = reinterpret_cast<unsigned char const*>(bytes.data());
      RegSetValueEx(raw, "v", 0, std::stoul(words[1].text), data, bytes.size());
      node->SetValue("v", std::stoul(words[1].text), data, bytes.size());
    } else {
      VProfileStore store(&factory);
      EXPECT_TRUE(Write(*store.Root(), words) && Write(memory, words)) << line;
    }
    std::string const stored = RawValue(raw, "v");
    VMemoryNode::Value const* kept = node->FindValue("v");
    if (!kept) return std::string("  the memory store kept nothing\n");
    EXPECT_EQ(stored, std::to_string(kept->type) + ":" + std::string(kept->data.begin(), kept->data.end()));
    VProfileStore reader(true, &factory);
    EXPECT_EQ(Read(*reader.Root()), Read(memory));
    std::string const reads = "  reads " + Read(memory) + "\n";
    if (words[0].text == "stored") return reads;
    size_t const colon = stored.find(':');
    return "  stored " + stored.substr(0, colon) + " " + DumpText(stored.substr(colon + 1)) + "\n" + reads;
  });
}

TEST(VProfileStoresTest, LibraryRootFollowsTheFourProbes) {
  auto const name = [](HKEY hive) {
    return hive == HKEY_CURRENT_USER ? "HKCU" : hive == HKEY_LOCAL_MACHINE ? "HKLM" : "another hive";
  };
  ExpectCaseFile("vutils/library_root.txt", [&](std::string const& existing) {
    ScopedRoot root;
    if (existing != "nothing")
      MakeKey(existing.starts_with("HKLM") ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, existing.substr(5).c_str());
    ResetLibraryRegistryFactory();
    VRegistryStoreFactory* factory = GetLibraryRegistryFactory();
    EXPECT_EQ(factory, GetLibraryRegistryFactory()) << "chosen once";
    std::string const answer = "  " + std::string(name(factory->Hive())) + " " + factory->BasePath().Str() + "\n";
    ResetLibraryRegistryFactory();
    return answer;
  });
}

TEST(VProfileStoresTest, ReadOnlyModeIsKeptEvenWhenTheKeyOpensForReading) {
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

TEST(VProfileStoresTest, AStoreIsOneUnitOfWorkThatNestedStoresJoin) {
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

TEST(VProfileStoresTest, MemoryStoreOpensNothingAtMalformedPaths) {
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
TEST(VProfileStoresTest, MemoryStoreKeysLieAtMost512LevelsBelowTheRoot) {
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

TEST(VProfileStoresTest, MemoryStoreDeleteKeyStopsAtAKeyThatCannotBeRemoved) {
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
