#include "session/RemoteHostConfig.h"

#include "VProfileKey.h"
#include "session/CredentialSavingPolicy.h"

VProfileTable<RemoteHostConfig> const RemoteHostConfig::_profileOffsets{
    {"Hostname", &RemoteHostConfig::m_hostname, VString()},
    {"Firewall Name", &RemoteHostConfig::m_firewallName, VString("None")},
    {"Username", &RemoteHostConfig::m_username, VString()},
};

namespace {

// Sessions from before firewalls had names only said whether they used one.
bool UsesUnnamedFirewall(VProfileKey* key) {
  VString name;
  unsigned long useFirewall = 0;
  return key && !key->GetSz("Firewall Name", name) && key->GetDword("Use Firewall", useFirewall) &&
         useFirewall != 0;
}

}  // namespace

RemoteHostConfig::RemoteHostConfig(VProfileKey* key) {
  Load(key);
  if (UsesUnnamedFirewall(key)) m_firewallName.Load(key, "DefaultTerminalFirewall");
  m_username.SetSensitive();
  if (!SaveUsernames()) m_username.Empty();
}

bool RemoteHostConfig::SaveUsernames() const { return CredentialSavingPolicy::SaveUsernames(); }

bool RemoteHostConfig::SavePasswords() const { return CredentialSavingPolicy::SavePasswords(); }
