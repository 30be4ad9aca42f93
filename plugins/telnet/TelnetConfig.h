// The settings of a Telnet connection: host and user through the session's remote-host record
// and the port, stored in the session's key as "Telnet Port".
#pragma once

#include "NetworkConfig.h"
#include "VProfileTable.h"

class TelnetConfig : public NetworkConfig {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new TelnetConfig(*this), common); }

 private:
  TelnetConfig(VProfileKey* key, ICommonConfig* common);
  TelnetConfig(TelnetConfig const&) = default;

  static VProfileTable<TelnetConfig> const _profileOffsets;
};
