// The settings of an SFTP connection: host and user through the session's remote-host record,
// stored in the session's key as "SFTP Port", "SFTP Password" (encoded) and
// "SFTP Initial Directory".
#pragma once

#include "TransferConfig.h"
#include "VProfileTable.h"

class SFTPConfig : public TransferConfig {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new SFTPConfig(*this), common); }

 private:
  SFTPConfig(VProfileKey* key, ICommonConfig* common);
  SFTPConfig(SFTPConfig const&) = default;

  static VProfileTable<SFTPConfig> const _profileOffsets;
};
