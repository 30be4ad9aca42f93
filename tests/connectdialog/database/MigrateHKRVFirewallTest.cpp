#include "database/MigrateHKRVFirewall.h"

#include <gtest/gtest.h>

#include <optional>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"

namespace {

struct OlderSettings {
  char const* type;  // null: none stored
  char const* socksHost, *proxyHost;
  std::optional<unsigned long> socksPort, proxyPort;
};

// Stores the older global settings, migrates them and gives the firewall they became.
std::unique_ptr<FirewallConfig> Migrated(OlderSettings const& older) {
  {
    VProfileStore store;
    VProfileKey global(store.Root(), "Global");
    if (older.type) global.SetSz("Firewall Type", older.type);
    global.SetSz("SOCKS Hostname", older.socksHost);
    global.SetSz("Proxy Hostname", older.proxyHost);
    if (older.socksPort) global.SetDword("SOCKS Port", *older.socksPort);
    if (older.proxyPort) global.SetDword("Proxy Port", *older.proxyPort);
    global.SetSz("Proxy Prompt", "ok>");
    global.SetSz("Proxy Command", "open %h");
  }
  MigrateHKRVFirewall();
  return std::unique_ptr<FirewallConfig>(FirewallStore::LookupFirewall("DefaultTerminalFirewall"));
}

TEST(MigrateHKRVFirewallTest, OlderGlobalSettingsBecomeTheDefaultTerminalFirewallOnce) {
  struct Case { OlderSettings older; char const* type; char const* address; int port; };
  Case const cases[] = {
      {{"Generic Proxy", "socks", "proxy", 1081, 3128}, "Generic Proxy", "proxy", 3128},
      {{"generic proxy", "socks", "proxy", {}, {}}, "Generic Proxy", "proxy", 0},
      {{"socksv4", "socks", "", {}, {}}, "SOCKSv4", "socks", 1080},
      {{"SOCKSV5_USERPASS", "socks", "proxy", 1081, 3128}, "SOCKSv5_USERPASS", "socks", 1081},
      {{"socks5", "socks", "", 1081, {}}, "None", "socks", 1081},
      {{"OPEN host", "", "proxy", {}, 8080}, "None", "", 1080},
      {{nullptr, "socks", "", {}, {}}, "None", "socks", 1080},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.type);
    InstalledMemoryStore store;
    std::unique_ptr<FirewallConfig> const firewall = Migrated(c.older);
    ASSERT_TRUE(firewall);
    EXPECT_EQ(Joined(firewall->GetFirewallType(), firewall->GetFirewallHostname(), firewall->GetFirewallPort(),
                     firewall->GetFirewallPrompt(), firewall->GetFirewallCommand()),
              Joined(c.type, c.address, c.port, "ok>", "open %h"));
  }
  // The migration runs until there is something to migrate, and then never again.
  InstalledMemoryStore store;
  for (char const* socksHost : {"", "first"}) Migrated({"SOCKSv4", socksHost, "", {}, {}});
  std::unique_ptr<FirewallConfig> const firewall = Migrated({"SOCKSv4", "second", "", {}, {}});
  ASSERT_TRUE(firewall);
  EXPECT_EQ(firewall->GetFirewallHostname(), "first");
}

}  // namespace
