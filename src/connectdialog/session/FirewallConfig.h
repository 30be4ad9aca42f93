// A named firewall: how to reach hosts through a proxy or SOCKS server. Its options are stored
// flat in the firewall's own key (FirewallStore finds and writes that key); protocol plug-ins
// read it through IFirewallUI. The password and user name are wiped from memory when released.
#pragma once

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileEncodedString.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"
#include "platform/types/CString.h"
#include "session/IFirewallUI.h"

class FirewallConfig : public IFirewallUI, public VProfileRecord {
 public:
  // Loads from `key` (null: defaults, all due for the next save). A password stored in the
  // older per-user protected form is converted and written back encoded into `key` at once.
  FirewallConfig(CString const& name, VProfileKey* key);
  FirewallConfig(FirewallConfig const&) = delete;
  // Copies the option values, not the name; every value is then due for the next save.
  FirewallConfig& operator=(FirewallConfig const& other);

  VString GetFirewallType() override { return m_type; }
  VString GetFirewallHostname() override { return m_address; }
  // A stored number beyond 65535 keeps its low 16 bits, as a port field would.
  unsigned short GetFirewallPort() const override { return static_cast<unsigned short>(m_port); }
  bool GetFirewallUsername(IString* out) const override { return Give(m_user, out); }
  bool GetFirewallPassword(IString* out) const override { return Give(m_password, out); }
  VString GetFirewallPrompt() override { return m_prompt; }
  VString GetFirewallCommand() override { return m_command; }

  // The type table's value for the stored type name, matched exactly; 0 when none matches.
  int GetIntFirewallType() const;
  // The type table's display name for the stored type name; "" when none matches.
  char const* GetFirewallTypeDisplayName() const;

  CString const& GetFirewallName() const { return m_name; }
  void SetFirewallName(VString const& name) { m_name = name.Str(); }

  // Current values only: checkpoint, rollback and save decide what reaches the store.
  void SetFirewallType(VString const& storedName) { m_type = storedName; }
  void SetFirewallHostname(VString const& address) { m_address = address; }
  void SetFirewallPort(unsigned short port) { m_port = port; }
  void SetFirewallPrompt(VString const& prompt) { m_prompt = prompt; }
  void SetFirewallCommand(VString const& command) { m_command = command; }
  void SetFirewallUsername(VString const& user) { m_user = user; }
  void SetFirewallPassword(VString const& password) { m_password = password; }

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

 private:
  static bool Give(VString const& text, IString* out);

  static VProfileTable<FirewallConfig> const _profileOffsets;

  CString m_name;
  VProfile2<VString, VProfileSz> m_type;
  VProfile2<VString, VProfileSz> m_address;
  VProfile<unsigned int> m_port;
  VProfile2<VString, VProfileSz> m_prompt;
  VProfile2<VString, VProfileSz> m_command;
  VProfile2<VString, VProfileSz> m_user;
  VProfileEncodedString m_password;
};
