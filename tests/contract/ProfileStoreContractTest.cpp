// The key contract every profile store implementation keeps, run against each of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "support/KeyDump.h"
#include "support/ScopedRoot.h"

namespace {

struct RegistryBackend {
  ScopedRoot root;
  VRegistryStoreFactory factory{HKEY_CURRENT_USER, "Software\\Brimvale\\Contract"};
};
struct MemoryBackend { VMemoryStoreFactory factory; };

template <typename Backend>
class ProfileStoreContract : public ::testing::Test {
 protected:
  std::unique_ptr<VProfileStore> Open(bool readOnly = false) {
    return std::make_unique<VProfileStore>(readOnly, &m_backend.factory);
  }
  Backend m_backend;
};

// The kinds of read that a value answers.
std::string ReadsAs(VProfileKey& key, char const* name) {
  unsigned long number = 0, size = 8;
  VString text;
  char buffer[8];
  VStringArray list;
  return std::string(key.GetDword(name, number) ? "dword " : "") + (key.GetSz(name, text) ? "sz " : "") +
         (key.GetBinary(name, buffer, size) ? "binary " : "") + (key.GetMultiSz(name, list) ? "multi " : "");
}

using Backends = ::testing::Types<RegistryBackend, MemoryBackend>;
TYPED_TEST_SUITE(ProfileStoreContract, Backends);

TYPED_TEST(ProfileStoreContract, WritableOpenCreatesEveryLevelAndReadOnlyOpenCreatesNothing) {
  {
    auto store = this->Open(true);
    VProfileKey key(store->Root(), "A\\B");
    EXPECT_FALSE(key.IsWritable());
    EXPECT_FALSE(key.SetSz("v", "x"));
    EXPECT_EQ("", ReadsAs(key, "v"));
    unsigned long number = 7;
    EXPECT_FALSE(key.GetDword("v", number));
    EXPECT_EQ(7ul, number) << "a failed number read leaves the output alone";
    EXPECT_TRUE(KeyNames(&key, false).empty());
    EXPECT_FALSE(store->Root()->KeyExists("A"));
  }
  {
    auto store = this->Open();
    EXPECT_FALSE(store->Root()->KeyExists("A\\B"));
    EXPECT_FALSE(store->Root()->KeyExists("A")) << "KeyExists never creates";
    VProfileKey key(store->Root(), "A\\B");
    EXPECT_TRUE(key.IsWritable());
    EXPECT_TRUE(key.SetSz("v", "x"));
    EXPECT_TRUE(key.SetDword("n", 0xFFFFFFFFul));
    EXPECT_TRUE(store->Root()->KeyExists("A"));
    EXPECT_TRUE(store->Root()->KeyExists("a\\b"));
  }
  // Another store of the same factory sees what the first one wrote.
  auto reader = this->Open(true);
  VProfileKey again(reader->Root(), "A\\B");
  EXPECT_EQ("sz \"x\"", DumpValue(&again, "v"));
  EXPECT_EQ("dword 4294967295", DumpValue(&again, "n"));
}

TYPED_TEST(ProfileStoreContract, ReadsAreKindStrict) {
  auto store = this->Open();
  VProfileKey key(store->Root(), "Kinds");
  ASSERT_TRUE(key.SetDword("dword", 1) && key.SetSz("sz", "1") && key.SetMultiSz("multi", VStringArray{"1"}));
  ASSERT_TRUE(key.SetBinary("binary", "1\0\0", 4));
  for (char const* name : {"dword", "sz", "binary", "multi"}) EXPECT_EQ(std::string(name) + " ", ReadsAs(key, name));
  ASSERT_TRUE(key.SetSz("dword", "now text"));
  EXPECT_EQ("sz ", ReadsAs(key, "dword")) << "the last write fixes the kind";
  VStringArray list{"stale"};
  EXPECT_FALSE(key.GetMultiSz("missing", list));
  EXPECT_EQ(0, list.GetSize()) << "a failed read still empties the list";
}

TYPED_TEST(ProfileStoreContract, BinaryReadsReportTheStoredLength) {
  auto store = this->Open();
  VProfileKey key(store->Root(), "Binary");
  std::vector<unsigned char> const forty(40, 0x11), fortyEight(48, 0x22), ten(10, 0x33);
  for (auto const& [name, bytes] : {std::pair{"forty", &forty}, {"fortyEight", &fortyEight}, {"ten", &ten}})
    key.SetBinary(name, bytes->data(), bytes->size());
  key.SetBinary("empty", nullptr, 0);
  // byte: what every stored byte holds
  struct Case { char const* name; unsigned long capacity; bool ok; unsigned long size; unsigned char byte; };
  Case const cases[] = {{"forty", 44, true, 40, 0x11},  {"fortyEight", 44, false, 48, 0x22}, {"ten", 0, false, 10, 0x33},
                        {"ten", 10, true, 10, 0x33},    {"empty", 0, true, 0, 0},            {"missing", 44, false, 44, 0}};
  for (Case const& c : cases) {
    std::vector<unsigned char> buffer(64, 0xee);
    unsigned long size = c.capacity;
    EXPECT_EQ(c.ok, key.GetBinary(c.name, buffer.data(), size)) << c.name << " " << c.capacity;
    EXPECT_EQ(c.size, size) << c.name << " " << c.capacity;
    // A refused read writes nothing; an accepted one exactly the stored bytes.
    size_t const written = c.ok ? c.size : 0;
    for (size_t i = 0; i < buffer.size(); ++i)
      ASSERT_EQ(i < written ? c.byte : 0xee, buffer[i]) << c.name << " " << c.capacity << " byte " << i;
  }
}

TYPED_TEST(ProfileStoreContract, NamesMatchWithoutCaseAndEnumerateInOrder) {
  auto store = this->Open();
  VProfileKey key(store->Root(), "Names");
  std::string const longName = "A subkey name well beyond thirty-two characters";
  for (char const* name : {"beta", "Ärger", "ALPHA2", "Alpha", "Straße\\Öl", longName.c_str(), "ALPHA\\x"})
    VProfileKey child(&key, name);
  EXPECT_EQ((std::vector<std::string>{longName, "Alpha", "ALPHA2", "beta", "Straße", "Ärger"}), KeyNames(&key, false));
  for (auto [name, text] : {std::pair{"Zeta", "1"}, {"alpha", "2"}, {"ZETA", "3"}, {"Größe", "4"}}) key.SetSz(name, text);
  EXPECT_EQ((std::vector<std::string>{"Zeta", "alpha", "Größe"}), KeyNames(&key, true));
  EXPECT_EQ("sz \"3\"", DumpValue(&key, "zeta"));
  EXPECT_EQ("sz \"4\"", DumpValue(&key, "GRÖSSE"));
  EXPECT_TRUE(key.KeyExists("BETA"));
  EXPECT_TRUE(key.KeyExists("STRASSE\\öl"));
  VProfileKey empty(&key, "beta");
  EXPECT_TRUE(KeyNames(&empty, false).empty());
  EXPECT_TRUE(KeyNames(&empty, true).empty());
}

TYPED_TEST(ProfileStoreContract, DeleteKeyRemovesTheWholeSubtree) {
  auto store = this->Open();
  VProfileKey deep(store->Root(), "Doomed\\One\\Two\\Three");
  deep.SetDword("v", 1);
  { VProfileKey sibling(store->Root(), "Doomed\\Other"); sibling.SetSz("w", "x"); }
  EXPECT_TRUE(store->Root()->DeleteKey("doomed"));
  EXPECT_FALSE(store->Root()->KeyExists("Doomed"));
  EXPECT_FALSE(store->Root()->KeyExists("Doomed\\One"));
  // A key still held inside the deleted subtree is dead: it neither reads, writes nor revives it.
  unsigned long held = 0;
  EXPECT_FALSE(deep.GetDword("v", held));
  EXPECT_FALSE(deep.SetDword("v", 2));
  { VProfileKey below(&deep, "Deeper"); EXPECT_FALSE(below.SetDword("n", 1)); }
  EXPECT_FALSE(store->Root()->KeyExists("Doomed"));
  EXPECT_FALSE(store->Root()->DeleteValue("missing"));
  VProfileKey kept(store->Root(), "Kept");
  kept.SetDword("v", 1);
  EXPECT_TRUE(kept.DeleteValue("V"));
  EXPECT_EQ("<none>", DumpValue(&kept, "v"));
}

}  // namespace
