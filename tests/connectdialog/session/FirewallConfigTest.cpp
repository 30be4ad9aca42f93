#include "session/FirewallConfig.h"

#include <gtest/gtest.h>

#include <string>

#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VStringReceiver.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "vutils/MemoryKey.h"

namespace {

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

TEST_F(FirewallConfigTest, DefaultsAndValuesRoundTripWithThePasswordEncoded) {
  FirewallConfig firewall("Office", nullptr);
  firewall.Save(m_memory.key, false);
  EXPECT_EQ(m_memory.StoredSz("Firewall Type"), "None");
  EXPECT_EQ(m_memory.StoredDword("Firewall Port"), 1080);
  EXPECT_EQ(m_memory.StoredSz("Firewall Password"), "");

  firewall.SetFirewallType("SOCKSv5_USERPASS");
  firewall.SetFirewallPort(65535);
  firewall.SetFirewallUsername("ann");
  firewall.SetFirewallPassword("s3cret");
  firewall.Save(m_memory.key, false);
  std::string const stored = m_memory.StoredSz("Firewall Password");
  EXPECT_EQ(stored.size(), 8u + 2 * 6);
  EXPECT_EQ(VProfileEncodedString::Decode(stored), "s3cret");

  FirewallConfig loaded("Office", m_memory.key);
  EXPECT_EQ(loaded.GetFirewallType(), "SOCKSv5_USERPASS");
  EXPECT_EQ(loaded.GetFirewallPort(), 65535);
  VStringReceiver user;
  EXPECT_TRUE(loaded.GetFirewallUsername(&user));
  EXPECT_EQ(user.Text(), "ann");
  EXPECT_EQ(Password(loaded), "s3cret");
}

TEST_F(FirewallConfigTest, TypeNamesMatchTheTableExactly) {
  struct Case { char const* stored; int value; char const* display; };
  Case const cases[] = {
      {"None", 0, "None"},       {"Generic Proxy", 1, "Generic proxy"}, {"SOCKSv4", 2, "SOCKS version 4"},
      {"USER user@host login", 9, "USER user@host login"},             {"socksv4", 0, ""}, {"SOCKSv4 ", 0, ""},
  };
  for (Case const& c : cases) {
    m_memory.key->SetSz("Firewall Type", c.stored);
    FirewallConfig firewall("f", m_memory.key);
    EXPECT_EQ(firewall.GetIntFirewallType(), c.value) << c.stored;
    EXPECT_STREQ(firewall.GetFirewallTypeDisplayName(), c.display) << c.stored;
  }
}

TEST_F(FirewallConfigTest, ProtectedPasswordIsRewrittenEncodedOnLoad) {
  VProfileCapiString protector;
  std::string const protectedForm = protector.Protect("pw").Str();
  // rewritten: else the stored text stays as it was; password: null when not checked.
  struct Case { std::string stored; bool rewritten; char const* password; };
  Case const cases[] = {
      {protectedForm, true, "pw"},
      {"capi:" + protectedForm.substr(5), false, nullptr},  // only the exact prefix marks the form
      {"CAPI:00", false, ""},                               // unreadable here: kept for whoever can read it
      {"CAPI:0", false, ""},
  };
  for (Case const& c : cases) {
    m_memory.key->SetSz("Firewall Password", c.stored.c_str());
    FirewallConfig firewall("f", m_memory.key);
    std::string const after = m_memory.StoredSz("Firewall Password");
    if (c.password) {
      EXPECT_EQ(Password(firewall), c.password) << c.stored;
    }
    EXPECT_EQ(after == c.stored, !c.rewritten) << c.stored;
    if (c.rewritten) {
      EXPECT_EQ(VProfileEncodedString::Decode(after), "pw");
    }
    firewall.Save(m_memory.key, false);
    EXPECT_EQ(m_memory.StoredSz("Firewall Password"), after) << "loading leaves nothing to write: " << c.stored;
  }
}

}  // namespace
