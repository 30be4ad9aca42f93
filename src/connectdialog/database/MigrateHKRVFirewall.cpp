#include "database/MigrateHKRVFirewall.h"

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/FirewallType.h"

namespace {

constexpr char const* kFirewallName = "DefaultTerminalFirewall";

VString ReadText(VProfileKey& key, char const* name) {
  VString text;
  return key.GetSz(name, text) ? text : VString();
}

unsigned long ReadNumber(VProfileKey& key, char const* name, unsigned long defaultValue) {
  unsigned long number = 0;
  return key.GetDword(name, number) ? number : defaultValue;
}

// The older settings knew the generic proxy and the three SOCKS kinds (values 1 to 4); they
// keep the table's spelling whatever case they were stored in, anything else means none.
VString OlderType(VProfileKey& global) {
  VString const stored = ReadText(global, "Firewall Type");
  FirewallType const* type = FirewallType::FromStoredName(stored.View(), true);
  return type && type->value >= 1 && type->value <= 4 ? type->storedName : FirewallStore::kDirectName;
}

}  // namespace

void MigrateHKRVFirewall() {
  if (FirewallStore::FirewallExists(kFirewallName)) return;
  VProfileStore store;
  if (!store.Root()->KeyExists("Global")) return;
  VProfileKey global(store.Root(), "Global");
  VString const socksHost = ReadText(global, "SOCKS Hostname");
  VString const proxyHost = ReadText(global, "Proxy Hostname");
  if (socksHost.IsEmpty() && proxyHost.IsEmpty()) return;

  FirewallConfig firewall(kFirewallName, nullptr);
  VString const type = OlderType(global);
  bool const proxy = type == "Generic Proxy";
  firewall.SetFirewallType(type);
  firewall.SetFirewallHostname(proxy ? proxyHost : socksHost);
  firewall.SetFirewallPort(
      static_cast<unsigned short>(proxy ? ReadNumber(global, "Proxy Port", 0) : ReadNumber(global, "SOCKS Port", 1080)));
  firewall.SetFirewallPrompt(ReadText(global, "Proxy Prompt"));
  firewall.SetFirewallCommand(ReadText(global, "Proxy Command"));
  FirewallStore::SaveFirewall(&firewall, true);
}
