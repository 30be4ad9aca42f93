// The remote host both connection sides of one session talk to: host name, firewall name and
// user name, plus the machine-wide policy on keeping user names and passwords. Kept in the
// session's common settings; the protocol records read and change it, and the plug-ins save it.
#pragma once

#include "ISharedConfigObject.h"
#include "VString.h"

class IRemoteHostConfig : public ISharedConfigObject {
 public:
  IRemoteHostConfig* Clone() const override = 0;
  virtual VString GetHostname() const = 0;
  virtual void SetHostname(char const* hostname) = 0;
  virtual VString GetFirewallName() const = 0;
  virtual void SetFirewallName(char const* firewallName) = 0;
  virtual VString GetUsername() const = 0;
  virtual void SetUsername(char const* username) = 0;
  // Whether user names, and passwords, may be kept in the store on this machine.
  virtual bool SaveUsernames() const = 0;
  virtual bool SavePasswords() const = 0;
  virtual ~IRemoteHostConfig() = default;
};
