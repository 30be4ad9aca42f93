// Where a session connects: the remote host's settings, the firewalls and the store that keeps
// them by name.
#include "session/FirewallStore.h"
#include "session/RemoteHostConfig.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "VBasicBuffer.h"
#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "VStringReceiver.h"
#include "database/SessionDatabase.h"
#include "session/CommonConfig.h"
#include "session/CredentialSavingPolicy.h"
#include "session/FirewallConfig.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/ListNames.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/SessionHolder.h"
#include "vutils/MemoryKey.h"

namespace {

class RemoteHostConfigTest : public testing::Test {
 protected:
  RemoteHostConfigTest() { CredentialSavingPolicy::Reset(); }
  ~RemoteHostConfigTest() override { CredentialSavingPolicy::Reset(); }
  // Stores `value` under `name`, or removes the value when there is none.
  static void SetMachinePolicy(char const* name, std::optional<unsigned long> value) {
    VRegistryStoreFactory factory(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale\\Global");
    VProfileStore store(&factory);
    if (value) ASSERT_TRUE(store.Root()->SetDword(name, *value));
    else store.Root()->DeleteValue(name);
  }
  ScopedRoot root;
  MemoryKey memory;
};

TEST_F(RemoteHostConfigTest, FirewallNameDefaultsFromTheOlderUseFirewallFlag) {
  // storedName: null when none is stored.
  struct Case { std::optional<unsigned long> useFirewall; char const* storedName; char const* loaded; };
  Case const cases[] = {{1, nullptr, "DefaultTerminalFirewall"}, {0, nullptr, "None"}, {{}, nullptr, "None"},
                        {1, "Office", "Office"}, {1, "", ""}};
  for (Case const& c : cases) {
    MemoryKey key;
    if (c.useFirewall) key.key->SetDword("Use Firewall", *c.useFirewall);
    if (c.storedName) key.key->SetSz("Firewall Name", c.storedName);
    RemoteHostConfig* host = new RemoteHostConfig(key.key);
    EXPECT_EQ(host->GetFirewallName(), c.loaded) << c.loaded;
    EXPECT_EQ(host->Release(), 0u);
  }
}

TEST_F(RemoteHostConfigTest, MachinePolicyReadOncePerProcessDecidesWhatIsKept) {
  struct Case { std::optional<unsigned long> usernames, passwords; bool saveUsernames, savePasswords; };
  Case const cases[] = {{{}, {}, true, true}, {0, {}, false, false}, {{}, 0, true, false}, {2, 1, true, true},
                        {0, 1, false, false}};
  for (Case const& c : cases) {
    CredentialSavingPolicy::Reset();
    SetMachinePolicy("Save Usernames", c.usernames);
    SetMachinePolicy("Save Passwords", c.passwords);
    memory.key->SetSz("Username", "bob");
    RemoteHostConfig* host = new RemoteHostConfig(memory.key);
    EXPECT_EQ(Joined(host->SaveUsernames(), host->SavePasswords(), host->GetUsername()),
              Joined(c.saveUsernames, c.savePasswords, c.saveUsernames ? "bob" : ""));
    host->Release();
  }
  SetMachinePolicy("Save Usernames", {});
  EXPECT_FALSE(CredentialSavingPolicy::SaveUsernames()) << "the policy is read once";
  CredentialSavingPolicy::Reset();
  EXPECT_TRUE(CredentialSavingPolicy::SaveUsernames());
}

int madeShared = 0;

class SharedCounter : public VUnknown<ISharedConfigObject> {
 public:
  explicit SharedCounter(int value) : value(value) {}
  ISharedConfigObject* Clone() const override { return new SharedCounter(value + 100); }
  int value;
};

ISharedConfigObject* MakeShared(VProfileKey*, bool second) { return new SharedCounter(++madeShared + (second ? 10 : 0)); }

TEST_F(RemoteHostConfigTest, CommonSettingsMakeEachObjectOnceAndCopyThem) {
  memory.key->SetSz("Hostname", "alpha");
  CommonConfig common;
  IRemoteHostConfig* first = common.GetRemoteHostConfig(memory.key);
  IRemoteHostConfig* again = common.GetRemoteHostConfig(nullptr);
  EXPECT_EQ(first, again);
  EXPECT_EQ(again->GetHostname(), "alpha");
  first->SetHostname("beta");
  EXPECT_EQ(again->Release(), 2u) << "the common settings keep their own reference";
  first->Release();
  madeShared = 0;
  auto* one = static_cast<SharedCounter*>(common.GetSharedObject(nullptr, false, MakeShared));
  auto* oneAgain = static_cast<SharedCounter*>(common.GetSharedObject(nullptr, false, MakeShared));
  auto* two = static_cast<SharedCounter*>(common.GetSharedObject(nullptr, true, MakeShared));
  EXPECT_EQ(one, oneAgain);
  EXPECT_EQ(Joined(one->value, two->value), "1|12");
  for (SharedCounter* shared : {one, oneAgain, two}) shared->Release();
  CommonConfig copy(common);
  IRemoteHostConfig* copied = copy.GetRemoteHostConfig(nullptr);
  EXPECT_NE(copied, first);
  auto* copiedTwo = static_cast<SharedCounter*>(copy.GetSharedObject(nullptr, true, MakeShared));
  EXPECT_EQ(Joined(copied->GetHostname(), copiedTwo->value, madeShared), "beta|112|2");
  copied->Release();
  copiedTwo->Release();
}


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
  // The bytes that `fill` leaves in a buffer that held others.
  template <typename Fill>
  static std::string Serialized(Fill fill) {
    VBasicBuffer* buffer = new VBasicBuffer(4, false);
    buffer->Append("old", 3, 0);
    fill(buffer);
    std::string bytes(reinterpret_cast<char const*>(buffer->Data()), buffer->Length());
    buffer->Release();
    return bytes;
  }
  static std::string Serialized() { return Serialized(&FirewallStore::GetSerializedFirewallNames); }
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

TEST_F(FirewallStoreTest, NoneAndBadNamesNeverReachTheStoreAndTheNamesSerializeAndSplitBack) {
  ASSERT_TRUE(Lookup("None"));
  EXPECT_EQ(Lookup("None")->GetFirewallType(), "None");
  EXPECT_EQ(Joined(FirewallStore::FirewallExists("None"), FirewallStore::FirewallExists("none"),
                   FirewallStore::DeleteFirewall("None")), "1|0|0");
  for (char const* name : {"None", "NONE", "none", "nOnE", "", "a\\b"}) {
    FirewallConfig firewall(name, nullptr);
    EXPECT_FALSE(FirewallStore::SaveFirewall(&firewall, true)) << name;
    EXPECT_FALSE(FirewallStore::DeleteFirewall(name)) << name;
  }
  EXPECT_FALSE(Lookup(""));
  EXPECT_FALSE(RootHas("Firewalls"));
  // The serialized names are big-endian and length-prefixed; the session's and the database's lists are the store's.
  EXPECT_EQ(Serialized(), std::string("\0\0\0\x08\0\0\0\x04None", 12));
  Add("Office", "proxy.office");
  Add("Lab", "socks.lab");
  // The store lists its keys in folded-name order.
  std::string const expected("\0\0\0\x19\0\0\0\x04None\0\0\0\x03Lab\0\0\0\x06Office", 29);
  EXPECT_EQ(Serialized(), expected);
  SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig("Demo", nullptr)));
  EXPECT_EQ(Serialized([&](IBuffer* buffer) { session->GetSerializedFirewallNames(buffer); }), expected);
  EXPECT_EQ(Serialized(&SessionDatabase::GetSerializedFirewallNames), expected);
  CStringList split;
  ASSERT_TRUE(Split(expected, split));
  EXPECT_EQ(ListNames(split), (std::vector<std::string>{"None", "Lab", "Office"}));
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
  EXPECT_EQ(Joined(Lookup("BRANCH")->GetFirewallHostname(), Lookup("Lab")->GetFirewallHostname()),
            "proxy.office|socks.lab");
}

// The protection key and the trace file live in the test's own root.
class FirewallConfigTest : public testing::Test {
 protected:
  ScopedRoot m_root;
  ScopedEnv m_tmp{"TMPDIR", m_root.Path().c_str()};
  MemoryKey m_memory;
};

VString Password(FirewallConfig const& firewall) {
  VStringReceiver out;
  EXPECT_TRUE(firewall.GetFirewallPassword(&out));
  return out.Text();
}

TEST_F(FirewallConfigTest, DefaultsAndValuesRoundTripWithThePasswordEncodedAndTypeNamesMatchExactly) {
  FirewallConfig firewall("Office", nullptr);
  firewall.Save(m_memory.key, false);
  EXPECT_EQ(Joined(m_memory.StoredSz("Firewall Type"), m_memory.StoredDword("Firewall Port"),
                   m_memory.StoredSz("Firewall Password")), "None|1080|");
  firewall.SetFirewallType("SOCKSv5_USERPASS");
  firewall.SetFirewallPort(65535);
  firewall.SetFirewallUsername("ann");
  firewall.SetFirewallPassword("s3cret");
  firewall.Save(m_memory.key, false);
  std::string const stored = m_memory.StoredSz("Firewall Password");
  EXPECT_EQ(stored.size(), 8u + 2 * 6);
  EXPECT_EQ(VProfileEncodedString::Decode(stored), "s3cret");
  FirewallConfig loaded("Office", m_memory.key);
  VStringReceiver user;
  EXPECT_TRUE(loaded.GetFirewallUsername(&user));
  EXPECT_EQ(Joined(loaded.GetFirewallType(), loaded.GetFirewallPort(), user.Text(), Password(loaded)),
            "SOCKSv5_USERPASS|65535|ann|s3cret");
  // Type names match the table exactly.
  struct Case { char const* stored; int value; char const* display; };
  Case const cases[] = {{"None", 0, "None"}, {"Generic Proxy", 1, "Generic proxy"}, {"SOCKSv4", 2, "SOCKS version 4"},
                        {"USER user@host login", 9, "USER user@host login"}, {"socksv4", 0, ""}, {"SOCKSv4 ", 0, ""}};
  for (Case const& c : cases) {
    m_memory.key->SetSz("Firewall Type", c.stored);
    FirewallConfig firewall("f", m_memory.key);
    EXPECT_EQ(Joined(firewall.GetIntFirewallType(), firewall.GetFirewallTypeDisplayName()), Joined(c.value, c.display))
        << c.stored;
  }
}

// Which stored forms are converted, and how, is VProfileCapiStringTest's.
TEST_F(FirewallConfigTest, ProtectedPasswordIsRewrittenEncodedOnLoad) {
  m_memory.key->SetSz("Firewall Password", VProfileCapiString().Protect("pw").Str().c_str());
  FirewallConfig const firewall("f", m_memory.key);
  EXPECT_EQ(Joined(Password(firewall), VProfileEncodedString::Decode(m_memory.StoredSz("Firewall Password"))), "pw|pw");
}

}  // namespace
