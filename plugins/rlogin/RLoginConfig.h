// The settings of a RLogin connection: host and user through the session's remote-host record
// and the port, stored in the session's key as "RLogin Port".
#pragma once

#include "NetworkConfig.h"
#include "VProfileTable.h"

class RLoginConfig : public NetworkConfig {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new RLoginConfig(*this), common); }

 private:
  RLoginConfig(VProfileKey* key, ICommonConfig* common);
  RLoginConfig(RLoginConfig const&) = default;

  static VProfileTable<RLoginConfig> const _profileOffsets;
};
