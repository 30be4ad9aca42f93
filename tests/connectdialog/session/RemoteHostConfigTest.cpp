#include "session/RemoteHostConfig.h"

#include <gtest/gtest.h>

#include <optional>

#include "VRegistryStoreFactory.h"
#include "session/CommonConfig.h"
#include "session/CredentialSavingPolicy.h"
#include "support/Joined.h"
#include "support/ScopedRoot.h"
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

}  // namespace
