#include "session/FirewallStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VBasicBuffer.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "session/FirewallConfig.h"
#include "support/InstalledMemoryStore.h"
#include "support/ListNames.h"

namespace {

class FirewallStoreTest : public testing::Test {
 protected:
  static void Add(char const* name, char const* address) {
    FirewallConfig firewall(name, nullptr);
    firewall.SetFirewallHostname(address);
    ASSERT_TRUE(FirewallStore::SaveFirewall(&firewall, false));
  }

  static std::unique_ptr<FirewallConfig> Lookup(char const* name) {
    return std::unique_ptr<FirewallConfig>(FirewallStore::LookupFirewall(name));
  }

  static std::vector<std::string> Names() {
    CStringList list;
    FirewallStore::GetFirewallNames(list);
    return ListNames(list);
  }

  static std::string Serialized() {
    VBasicBuffer* buffer = new VBasicBuffer(4, false);
    buffer->Append("old", 3, 0);
    FirewallStore::GetSerializedFirewallNames(buffer);
    std::string bytes(reinterpret_cast<char const*>(buffer->Data()), buffer->Length());
    buffer->Release();
    return bytes;
  }

  static bool Split(std::string const& bytes, CStringList& out) {
    return FirewallStore::SplitSerializedFirewallNames(reinterpret_cast<unsigned char const*>(bytes.data()),
                                                       static_cast<unsigned int>(bytes.size()), out);
  }

  static bool RootHas(char const* path) {
    VProfileStore store;
    return store.Root()->KeyExists(path);
  }

  InstalledMemoryStore m_store;
};

TEST_F(FirewallStoreTest, NoneAndBadNamesNeverReachTheStore) {
  ASSERT_TRUE(Lookup("None"));
  EXPECT_EQ(Lookup("None")->GetFirewallType(), "None");
  EXPECT_TRUE(FirewallStore::FirewallExists("None"));
  EXPECT_FALSE(FirewallStore::FirewallExists("none"));
  EXPECT_FALSE(FirewallStore::DeleteFirewall("None"));
  for (char const* name : {"None", "NONE", "none", "nOnE", "", "a\\b"}) {
    FirewallConfig firewall(name, nullptr);
    EXPECT_FALSE(FirewallStore::SaveFirewall(&firewall, true)) << name;
    EXPECT_FALSE(FirewallStore::DeleteFirewall(name)) << name;
  }
  EXPECT_FALSE(Lookup(""));
  EXPECT_FALSE(RootHas("Firewalls"));
}

TEST_F(FirewallStoreTest, SerializedNamesAreBigEndianLengthPrefixedAndSplitBack) {
  EXPECT_EQ(Serialized(), std::string("\0\0\0\x08\0\0\0\x04None", 12));
  Add("Office", "proxy.office");
  Add("Lab", "socks.lab");
  // The store lists its keys in folded-name order.
  std::string const expected("\0\0\0\x19\0\0\0\x04None\0\0\0\x03Lab\0\0\0\x06Office", 29);
  EXPECT_EQ(Serialized(), expected);

  CStringList split;
  ASSERT_TRUE(Split(expected, split));
  ASSERT_EQ(split.GetCount(), 3);
  EXPECT_EQ(split.GetAt(split.GetHeadPosition()), "None");

  std::string const malformed[] = {
      std::string("\0\0\0", 3),
      std::string("\0\0\0\x09\0\0\0\x04None", 12),  // count beyond the bytes
      std::string("\0\0\0\x07\0\0\0\x04None", 12),  // count short of the bytes
      std::string("\0\0\0\x06\0\0\0\x04No", 10),    // name beyond the bytes
      std::string("\0\0\0\x02\0\0", 6),             // length cut short
      std::string("\0\0\0\x04\xFF\xFF\xFF\xFF", 8),
  };
  for (std::string const& bytes : malformed) {
    CStringList out;
    EXPECT_FALSE(Split(bytes, out)) << bytes.size();
    EXPECT_TRUE(out.IsEmpty());
  }
}

TEST_F(FirewallStoreTest, OnlyMarkedOrTypedKeysAreFirewalls) {
  Add("Saved", "proxy");
  {
    VProfileStore store;
    VProfileKey* root = store.Root();
    VProfileKey(root, "Firewalls\\Marked").SetDword("Is Session", 0);
    VProfileKey(root, "Firewalls\\Typed").SetSz("Firewall Type", "SOCKSv4");
    VProfileKey(root, "Firewalls\\TextMark").SetSz("Is Session", "1");
    VProfileKey(root, "Firewalls\\Empty");
    VProfileKey(root, "Firewalls\\None").SetSz("Firewall Type", "SOCKSv5");
    unsigned long mark = 0;
    EXPECT_TRUE(VProfileKey(root, "Firewalls\\Saved").GetDword("Is Session", mark)) << "our writes carry the mark";
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"None", "Marked", "Saved", "Typed"}));
  EXPECT_FALSE(Lookup("Empty"));
  EXPECT_FALSE(Lookup("Missing"));
  EXPECT_FALSE(RootHas("Firewalls\\Missing")) << "a lookup creates nothing";
  EXPECT_EQ(Lookup("saved")->GetFirewallHostname(), "proxy") << "names match whatever their case";
}

TEST_F(FirewallStoreTest, RenameAndDeleteMoveWholeFirewalls) {
  Add("Office", "proxy.office");
  Add("Lab", "socks.lab");
  Add("Old", "old");
  struct Case { char const* from; char const* to; bool ok; };
  Case const cases[] = {
      {"Office", "Lab", false},  {"Office", "None", false},  {"Office", "NONE", false},   {"None", "Direct", false},
      {"Missing", "X", false},   {"Office", "a\\b", false}, {"Office", "Branch", true}, {"Branch", "BRANCH", true},
      {"BRANCH", "none", false},
  };
  for (Case const& c : cases) EXPECT_EQ(FirewallStore::RenameFirewall(c.from, c.to), c.ok) << c.from << "->" << c.to;
  EXPECT_TRUE(FirewallStore::DeleteFirewall("Old"));
  EXPECT_FALSE(FirewallStore::DeleteFirewall("Old"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"None", "BRANCH", "Lab"})) << "the new spelling is kept";
  EXPECT_EQ(Lookup("BRANCH")->GetFirewallHostname(), "proxy.office");
  EXPECT_EQ(Lookup("Lab")->GetFirewallHostname(), "socks.lab");
}

}  // namespace
