// The remote-host record kept in a session's common settings, stored in the session's key as
// "Hostname", "Firewall Name" and "Username". The user name is wiped from memory when released
// and is not kept at all when the machine's policy forbids saving user names.
#pragma once

#include "IRemoteHostConfig.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"
#include "VUnknown.h"

class RemoteHostConfig : public VUnknown<IRemoteHostConfig>, public VProfileRecord {
 public:
  // Loads from `key` (null: defaults). The count starts at 1.
  explicit RemoteHostConfig(VProfileKey* key);

  IRemoteHostConfig* Clone() const override { return new RemoteHostConfig(*this); }
  VString GetHostname() const override { return m_hostname; }
  void SetHostname(char const* hostname) override { m_hostname = hostname; }
  VString GetFirewallName() const override { return m_firewallName; }
  void SetFirewallName(char const* firewallName) override { m_firewallName = firewallName; }
  VString GetUsername() const override { return m_username; }
  void SetUsername(char const* username) override { m_username = username; }
  bool SaveUsernames() const override;
  bool SavePasswords() const override;

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

 private:
  RemoteHostConfig(RemoteHostConfig const&) = default;

  static VProfileTable<RemoteHostConfig> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_hostname;
  VProfile2<VString, VProfileSz> m_firewallName;
  VProfile2<VString, VProfileSz> m_username;
};
