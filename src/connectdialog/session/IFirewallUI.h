// What a protocol plug-in reads of a firewall to open a connection through it. Read-only; the
// record behind it (FirewallConfig) belongs to whoever looked it up.
#pragma once

#include "IString.h"
#include "VString.h"

class IFirewallUI {
 public:
  // The stored type name ("None", "SOCKSv5", ...; see FirewallType).
  virtual VString GetFirewallType() = 0;
  virtual VString GetFirewallHostname() = 0;
  virtual unsigned short GetFirewallPort() const = 0;
  // Both always succeed; `out` receives the whole text.
  virtual bool GetFirewallUsername(IString* out) const = 0;
  virtual bool GetFirewallPassword(IString* out) const = 0;
  // What a generic proxy shows before the command, and the command sent to it.
  virtual VString GetFirewallPrompt() = 0;
  virtual VString GetFirewallCommand() = 0;

 protected:
  ~IFirewallUI() = default;
};
