#include "session/FirewallConfig.h"

#include "VProfileCapiUpgrade.h"
#include "session/FirewallType.h"

VProfileTable<FirewallConfig> const FirewallConfig::_profileOffsets{
    {"Firewall Type", &FirewallConfig::m_type, VString("None")},
    {"Firewall Address", &FirewallConfig::m_address, VString()},
    {"Firewall Port", &FirewallConfig::m_port, 1080},
    {"Proxy Prompt", &FirewallConfig::m_prompt, VString()},
    {"Proxy Command", &FirewallConfig::m_command, VString()},
    {"Firewall User", &FirewallConfig::m_user, VString()},
    {"Firewall Password", &FirewallConfig::m_password, VString()},
};

FirewallConfig::FirewallConfig(CString const& name, VProfileKey* key) : m_name(name) {
  m_user.SetSensitive();
  Load(key);
  VProfileCapiUpgrade::Upgrade(m_password, key);
}

FirewallConfig& FirewallConfig::operator=(FirewallConfig const& other) {
  VProfileRecord::operator=(other);
  m_type = other.m_type;
  m_address = other.m_address;
  m_port = other.m_port;
  m_prompt = other.m_prompt;
  m_command = other.m_command;
  m_user = other.m_user;
  m_password = other.m_password;
  return *this;
}

int FirewallConfig::GetIntFirewallType() const {
  FirewallType const* type = FirewallType::FromStoredName(m_type.View(), false);
  return type ? type->value : 0;
}

char const* FirewallConfig::GetFirewallTypeDisplayName() const {
  FirewallType const* type = FirewallType::FromStoredName(m_type.View(), false);
  return type ? type->displayName : "";
}

bool FirewallConfig::Give(VString const& text, IString* out) {
  if (out) out->Assign(text.c_str(), -1, 0);
  return true;
}
